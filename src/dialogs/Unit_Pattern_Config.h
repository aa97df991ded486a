#pragma once
// "Pattern config": the settings of the two test patterns that take any, the
// cross hatch's line spacing and the plain colour's red, green and blue
// levels. A small tool window above the main window that the output page
// opens and closes by itself; every change goes to the device at once, and
// the rows follow the device's reports.
#include "mainwindow/MainContext.h"

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <functional>

class QPushButton;
class QScrollBar;
class TEditUpDown;

class TForm_Pattern_Config : public QWidget
{
    Q_OBJECT
public:
    // Asks the operator for a colour; an invalid colour means cancelled.
    using TColourChooser = std::function<QColor(QWidget *parent)>;

    explicit TForm_Pattern_Config(const TMainContext &context, QWidget *parent = nullptr);

    // The cross-hatch panel for pattern 7, the colour panel and its button
    // for pattern 8, nothing for the others.
    void ShowPanelsFor(uint16_t pattern);
    // Shows the window without taking the focus from the main window, and
    // leaves it alone when it is already up.
    void ShowQuietly();

    void SetColourChooser(TColourChooser chooser) { m_chooser = std::move(chooser); }
    // "R,G,B Color": asks for a colour and writes it, red first.
    void ChooseColour();

    QWidget *CrossHatchPanel() const { return m_crossHatch; }
    QWidget *ColourPanel() const { return m_colour; }
    QPushButton *ColourButton() const { return m_colourButton; }
    QScrollBar *Bar(int varNumber) const;
    TEditUpDown *Field(int varNumber) const;

private:
    struct TRow
    {
        int VarNumber;
        QScrollBar *Bar;
        TEditUpDown *Field;
    };
    void AddRow(QWidget *panel, int y, const QString &caption, int varNumber, int displayMax);

    TMainContext m_context;
    QWidget *m_crossHatch = nullptr;
    QWidget *m_colour = nullptr;
    QPushButton *m_colourButton = nullptr;
    std::vector<TRow> m_rows;
    TColourChooser m_chooser;
};
