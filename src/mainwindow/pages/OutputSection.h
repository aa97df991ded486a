#pragma once
// The output: format, rate and reference, the analog and DVI signal types,
// the test pattern and its window, and the controls that act on the output
// from other places (Black beside the page strip, the NTSC pedestal on the
// image page, the aspect, under/over and centering controls on the zoom
// page). Every write, every change handler and every common-update rule of
// these controls is here.
#include "dialogs/Unit_Pattern_Config.h"
#include "mainwindow/MainContext.h"

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;
class TSmartItems;
struct TCommonState;

class TOutputSection : public QObject
{
    Q_OBJECT
public:
    // Where the controls sit, and how to tell that the output page is the
    // one on screen (the pattern window is shown only there).
    struct THosts
    {
        QWidget *OutputPage = nullptr;
        QWidget *ImagePage = nullptr;
        QWidget *ZoomPage = nullptr;
        QWidget *PageStrip = nullptr; // the client area beside the page buttons
        QWidget *Window = nullptr;    // the main window, the pattern window's owner
        std::function<bool()> OutputPageShown;
    };

    TOutputSection(const TMainContext &context, const THosts &hosts, QObject *parent = nullptr);

    // The pattern window rule: shown while OPATTERN is 7 or 8 and the output
    // page is on screen, closed otherwise. Runs on OPATTERN reports; the
    // main window runs it when a page slide finishes.
    void ApplyPatternWindowRule();

    TSmartItems *FormatSelector() const { return m_format; }
    TSmartItems *RateSelector() const { return m_rate; }
    TSmartItems *AnalogTypeSelector() const { return m_analogType; }
    TSmartItems *DigitalTypeSelector() const { return m_digitalType; }
    TSmartItems *PatternSelector() const { return m_pattern; }
    TSmartItems *AspectSelector() const { return m_aspect; }
    TSmartItems *OverScanSelector() const { return m_overScan; }
    QCheckBox *CenteringBox() const { return m_centering; }
    QPushButton *BlackButton() const { return m_black; }
    QPushButton *PedestalButton() const { return m_pedestal; }
    QLabel *PedestalLabel() const { return m_pedestalLabel; }
    TForm_Pattern_Config *PatternWindow() const { return m_patternWindow; }

signals:
    // A custom format item clicked with the secondary button: rename custom
    // format 0 to 7 (the custom timing's names).
    void CustomFormatRenameRequested(int customIndex);
    // The format selector shows a new report (the custom timing folds its
    // setting panel away then).
    void FormatShown();

private:
    void BuildOutputPage(QWidget *page);
    void BuildPageStrip(QWidget *strip);
    void BuildImagePage(QWidget *page);
    void BuildZoomPage(QWidget *page);
    void BindHandlers();

    void ChooseFormat(int item);
    void ChooseRate(int item);
    void ToggleCentering();

    void ShowFormat();
    void ShowRate();
    void ApplyRateTable();
    void ApplySignalTypes();
    void ShowPattern();
    void ShowPedestal();
    void ApplyCommonRules(const TCommonState &state);

    TMainContext m_context;
    std::function<bool()> m_outputPageShown;
    TSmartItems *m_format = nullptr;
    TSmartItems *m_rate = nullptr;
    TSmartItems *m_analogType = nullptr;
    TSmartItems *m_digitalType = nullptr;
    TSmartItems *m_pattern = nullptr;
    TSmartItems *m_aspect = nullptr;
    TSmartItems *m_overScan = nullptr;
    QCheckBox *m_centering = nullptr;
    QPushButton *m_black = nullptr;
    QPushButton *m_pedestal = nullptr;
    QLabel *m_pedestalLabel = nullptr;
    QPointer<TForm_Pattern_Config> m_patternWindow;
};
