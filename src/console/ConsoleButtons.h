#pragma once
#include "config/ConsoleFile.h"

#include <QTimer>
#include <QVector>
#include <QWidget>

class QPushButton;

// The console's thirty command buttons. A left click asks for the button's
// string to be sent, a right click for the button to be edited. Captions too
// long for their button can scroll through it.
class TConsoleButtons : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Columns = 10;

    explicit TConsoleButtons(int scrollIntervalMs, QWidget *parent = nullptr);

    void SetButton(int n, const ConsoleFile::TButton &button);
    ConsoleFile::TButton Button(int n) const { return m_buttons.value(n); }
    QVector<ConsoleFile::TButton> Buttons() const { return m_buttons; }
    QPushButton *Widget(int n) const { return m_widgets.value(n); }

    // Scrolling of long captions; it runs only while the buttons are shown.
    void SetScrolling(bool scrolling);
    bool Scrolling() const { return m_scrolling; }
    // One step of the scroll (public so that a test can step it).
    void ScrollStep();

    static QString CaptionOf(const ConsoleFile::TButton &button);
    static QString HintOf(const ConsoleFile::TButton &button);

signals:
    void Pressed(int n);
    void EditRequested(int n);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool Fits(int n) const;
    void ShowCaptions();
    void FollowVisibility();

    QVector<ConsoleFile::TButton> m_buttons;
    QVector<QPushButton *> m_widgets;
    QTimer m_scrollTimer;
    bool m_scrolling = false;
    int m_scrollOffset = 0;
};
