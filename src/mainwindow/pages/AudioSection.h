#pragma once
// Audio: everything the operator uses to hear the device, wherever it sits.
//  - the audio page: master volume, mute, mono/stereo, the level and the
//    balance of the current input's audio source (its copies filed under
//    APCHANSTATUS, written after selecting the source with APCHAN when the
//    device holds another one), the audio reference and its status, the
//    S/PDIF output rate, the channel mode and break-away source, embedded
//    output, the analog output attenuation and "Preset";
//  - per input, on the input page: the SDI channel pair to de-embed and the
//    audio delay with its "Auto" box, each write selecting the input first;
//  - the tool bar's mute button, the audio page's picture in the page strip
//    and the animated indicator in the status bar.
// Its common-update rules show the audio page only for an input with an
// audio source, the SDI rows for the embedded SDI source, the S/PDIF rate
// for the analog sources and embedded output for the TV output formats.
#include "AudioArtwork.h"
#include "AudioIndicator.h"
#include "mainwindow/MainContext.h"

#include <QObject>
#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolBar;
class TAudioBalance;
class TAudioLevel;
class TAudioMeter;
class TDoubleItems;
class TEditUpDown;
class TGestionSlide;
class TInputSection;
class TMainStatusBar;
class TSmartItems;
struct TCommonState;

class TAudioSection : public QObject
{
    Q_OBJECT
public:
    struct TPlaces
    {
        QWidget *AudioPage;
        QWidget *InputPage;
        const TInputSection *Inputs; // the input columns the per-input rows align with
        TGestionSlide *Pages;        // the page strip
        TMainStatusBar *StatusBar;
    };

    TAudioSection(const TMainContext &context, const TPlaces &places, QObject *parent = nullptr);

    // The mute button, in the tool bar's last group.
    QAction *AddMuteButton(QToolBar *toolBar);
    // One tick of the multi-timer's 250 ms channel: the indicator's next
    // picture in the status bar and on the tool bar's mute button.
    void IndicatorTick();

    // The audio source of the input on screen.
    uint16_t CurrentSource() const;

    TAudioLevel *MasterMeter() const { return m_master; }
    TAudioLevel *LevelMeter() const { return m_level; }
    TAudioBalance *BalanceMeter() const { return m_balance; }
    QLineEdit *MasterVolumeText() const { return m_masterText; }
    QLineEdit *LevelText() const { return m_levelText; }
    QLineEdit *BalanceText() const { return m_balanceText; }
    QPushButton *MuteButton() const { return m_mute; }
    QPushButton *MonoButton() const { return m_mono; }
    QPushButton *EmbeddedButton() const { return m_embedded; }
    QPushButton *PresetButton() const { return m_preset; }
    TSmartItems *ReferenceSelector() const { return m_reference; }
    TSmartItems *SpdifRateSelector() const { return m_spdifRate; }
    TSmartItems *ModeSelector() const { return m_mode; }
    TSmartItems *BreakawaySelector() const { return m_breakaway; }
    QLabel *ReferenceStatus() const { return m_referenceStatus; }
    QScrollBar *AttenuationBar() const { return m_attenuation; }
    QLineEdit *AttenuationText() const { return m_attenuationText; }
    QAction *ToolBarMute() const { return m_toolBarMute; }
    const TAudioIndicator &Indicator() const { return m_indicator; }
    TDoubleItems *SdiChannels(int input) const { return m_sdi.at(size_t(input)); }
    QLabel *SdiRowHeader(int input) const { return m_sdiHeaders.at(size_t(input)); }
    QCheckBox *DelayAuto(int input) const { return m_delayAuto.at(size_t(input)); }
    TEditUpDown *Delay(int input) const { return m_delay.at(size_t(input)); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template <class T>
    using TPerInput = std::array<T *, 6>;

    void BuildPage(QWidget *page);
    void BuildInputRows(QWidget *page, const TInputSection &inputs);
    void BindPage();
    void BindInputRows(int input);
    void BindMeter(TAudioMeter *meter, int varNumber);
    void SendForCurrentSource(int varNumber, uint16_t value);
    void EnterBalance();
    void EnterAttenuation();

    void ShowSourceLevels();
    void ShowMute();
    void ShowInputCopy(int varNumber);
    void ShowReferenceStatus();
    void ApplyInputRules(const TCommonState &state);
    void ApplyAudioRules(const TCommonState &state);
    void KeepExpandedListOnPage(TDoubleItems *list);

    TMainContext m_context;
    TGestionSlide *m_pages;
    TMainStatusBar *m_statusBar;

    TAudioLevel *m_master = nullptr;
    TAudioLevel *m_level = nullptr;
    TAudioBalance *m_balance = nullptr;
    QLineEdit *m_masterText = nullptr;
    QLineEdit *m_levelText = nullptr;
    QLineEdit *m_balanceText = nullptr;
    QPushButton *m_mute = nullptr;
    QPushButton *m_mono = nullptr;
    QPushButton *m_embedded = nullptr;
    QPushButton *m_preset = nullptr;
    TSmartItems *m_reference = nullptr;
    TSmartItems *m_spdifRate = nullptr;
    TSmartItems *m_mode = nullptr;
    TSmartItems *m_breakaway = nullptr;
    QLabel *m_referenceStatus = nullptr;
    QLabel *m_attenuationLabel = nullptr;
    QScrollBar *m_attenuation = nullptr;
    QLineEdit *m_attenuationText = nullptr;

    TPerInput<TDoubleItems> m_sdi{};
    TPerInput<QLabel> m_sdiHeaders{};
    TPerInput<QLabel> m_delayHeaders{};
    TPerInput<QCheckBox> m_delayAuto{};
    TPerInput<TEditUpDown> m_delay{};
    std::array<int, 6> m_sdiHomeTop{};

    QAction *m_toolBarMute = nullptr;
    bool m_pointerOverToolBar = false;
    TAudioIndicator m_indicator;
    AudioArtwork::TPictures m_pictures;
};
