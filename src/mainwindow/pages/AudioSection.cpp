#include "AudioSection.h"

#include "AudioArtwork.h"
#include "CommonUpdate.h"
#include "InputSection.h"
#include "PageModels.h"
#include "controls/AudioBalance.h"
#include "controls/AudioLevel.h"
#include "controls/DoubleItems.h"
#include "controls/EditUpDown.h"
#include "controls/OwnerDriven.h"
#include "controls/SmartItems.h"
#include "controls/Unit_GestionSlide.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/MainPages.h"
#include "mainwindow/MainStatusBar.h"
#include "mainwindow/VariableBinding.h"
#include "mainwindow/tables/AudioTables.h"
#include "mainwindow/tables/InputTables.h"
#include "variables/MorlixVariables_d.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>

using namespace AudioTables;
using InputTables::AudioSources;
using InputTables::InputCount;
using InputTables::ShownInputCount;
using VariableBinding::TIndexWrite;

namespace {

constexpr int LabelHeight = 16;
constexpr int DelayFieldHeight = 24;
constexpr int RowGap = 6;

QLineEdit *MakeLevelText(QWidget *page, const char *name, const QRect &geometry, bool editable)
{
    auto *text = new QLineEdit(page);
    text->setObjectName(QLatin1String(name));
    text->setGeometry(geometry);
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text->setReadOnly(!editable);
    text->setEnabled(editable);
    return text;
}

TSmartItems *MakeSelector(QWidget *page, const char *name, const char *caption, const TItemTable &table,
                          TSmartItems::TType style, const QRect &geometry)
{
    auto *selector = new TSmartItems(page);
    selector->setObjectName(QLatin1String(name));
    selector->SetCaption(QLatin1String(caption));
    selector->SetStyleType(style);
    VariableBinding::ApplyEntries(selector, table);
    selector->setGeometry(geometry);
    return selector;
}

QPushButton *MakeButton(QWidget *page, const char *name, const char *caption, const QRect &geometry)
{
    auto *button = new QPushButton(QLatin1String(caption), page);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

using TAutoBox = TOwnerCheckedButton<QCheckBox>;

} // namespace

TAudioSection::TAudioSection(const TMainContext &context, const TPlaces &places, QObject *parent)
    : QObject(parent), m_context(context), m_pages(places.Pages), m_statusBar(places.StatusBar)
{
    BuildPage(places.AudioPage);
    BuildInputRows(places.InputPage, *places.Inputs);
    BindPage();
    for (int input = 1; input <= InputCount; ++input)
        BindInputRows(input);
    for (int varNumber : {ISDI_CHANNEL_LEFT, ISDI_CHANNEL_RIGHT, IDELAY, IDELAY_MODE})
        context.Changes.OnChange(varNumber, [this, varNumber] { ShowInputCopy(varNumber); });
    TCommonUpdate &update = context.Models->CommonUpdate;
    update.AddRule(TCommonStage::Inputs, [this](const TCommonState &state) { ApplyInputRules(state); });
    update.AddRule(TCommonStage::Audio, [this](const TCommonState &state) { ApplyAudioRules(state); });
    // Until the device says otherwise no input has an audio source.
    const TCommonState start = ComputeCommonState(context.Driver, context.Models->Inputs);
    ApplyInputRules(start);
    ApplyAudioRules(start);
    ShowMute();
}

void TAudioSection::BuildPage(QWidget *page)
{
    m_master = new TAudioLevel(page);
    m_master->setObjectName(QStringLiteral("AudioLevel_MasterVolume"));
    m_master->SetCaption(QStringLiteral("Master Volume"));
    m_master->move(12, 16);
    m_masterText = MakeLevelText(page, "Edit_MasterVolume", {258, 40, 64, 22}, false);
    m_level = new TAudioLevel(page);
    m_level->setObjectName(QStringLiteral("AudioLevel"));
    m_level->move(12, 84);
    m_levelText = MakeLevelText(page, "Edit_ALEVEL", {258, 108, 64, 22}, false);
    m_balance = new TAudioBalance(page);
    m_balance->setObjectName(QStringLiteral("AudioBalance"));
    m_balance->move(12, 152);
    m_balanceText = MakeLevelText(page, "Edit_ABALANCE", {258, 176, 64, 22}, true);

    m_mute = MakeButton(page, "SpeedButton_AMUTE", "Mute", {344, 16, 100, 28});
    m_mono = MakeButton(page, "SpeedButton_AMONO", "Mono  /  Stereo", {454, 16, 130, 28});
    m_embedded = MakeButton(page, "SpeedButton_AEMBED", "Embedded Output", {344, 60, 150, 28});

    m_reference = MakeSelector(page, "SmartItems_AREF_REQUEST", "Audio Ref.", References, TSmartItems::_RadioButton,
                               {12, 218, 160, 76});
    m_referenceStatus = new QLabel(page);
    m_referenceStatus->setObjectName(QStringLiteral("Label_AREF_STATUS"));
    m_referenceStatus->setGeometry(14, 296, 160, 18);
    m_spdifRate = MakeSelector(page, "SmartItems_ASPDIFOUTRATE", "SPDIF Out Rate", SpdifRates,
                               TSmartItems::_ComboBox, {186, 218, 150, 52});
    m_mode = MakeSelector(page, "SmartItems_ACH_MODE", "Audio Mode", ChannelModes, TSmartItems::_RadioButton,
                          {12, 324, 160, 76});
    m_breakaway = MakeSelector(page, "SmartItems_ACH_BREAKAWAY", "Audio breakaway", AudioSources,
                               TSmartItems::_ComboBox, {186, 324, 150, 52});
    m_breakaway->SetItemVisible(AudioSources.PositionOf(NotABreakawaySource), false);

    m_attenuationLabel = new QLabel(QStringLiteral("Analog att."), page);
    m_attenuationLabel->setObjectName(QStringLiteral("Label_AANALOGOUTLEVEL"));
    m_attenuationLabel->setAlignment(Qt::AlignCenter);
    m_attenuationLabel->setGeometry(548, 110, 96, 18);
    m_attenuation = new QScrollBar(Qt::Vertical, page);
    m_attenuation->setObjectName(QStringLiteral("ScrollBar_AANALOGOUTLEVEL"));
    m_attenuation->setGeometry(586, 132, 20, 200);
    m_attenuationText = MakeLevelText(page, "Edit_AANALOGOUTLEVEL", {564, 338, 64, 22}, true);

    m_preset = MakeButton(page, "BitBtn_APreset", "Preset", {540, 410, 104, 30});
}

void TAudioSection::BuildInputRows(QWidget *page, const TInputSection &inputs)
{
    const int sdiTop = inputs.RowsBottom();
    // The channel list grows over what lies below it: the delay row sits
    // under its collapsed height of a title and two chosen rows.
    const int delayTop = sdiTop + LabelHeight + 3 * TDoubleItems::RowHeight + 2 + RowGap;
    const QStringList channels = AudioTables::SdiChannels.Captions();
    for (int input = 1; input <= InputCount; ++input) {
        const bool shown = input <= ShownInputCount;
        const int left = inputs.ColumnLeft(input);
        const int width = inputs.ColumnWidth() - 6;

        auto *sdiHeader = new QLabel(QStringLiteral("Audio input:"), page);
        sdiHeader->setGeometry(left + 4, sdiTop, width - 4, LabelHeight);
        m_sdiHeaders[size_t(input)] = sdiHeader;
        auto *sdi = new TDoubleItems(page);
        sdi->setObjectName(QStringLiteral("DoubleItems_ISDI_CHANNEL_xxx_%1").arg(input));
        sdi->setProperty("tag", input);
        sdi->SetCaption(QStringLiteral("Left") + QString(12, QLatin1Char(' ')) + QStringLiteral("Right"));
        sdi->SetItems(channels);
        m_sdiHomeTop[size_t(input)] = sdiTop + LabelHeight;
        sdi->setGeometry(left, m_sdiHomeTop[size_t(input)], width, sdi->sizeHint().height());
        sdi->installEventFilter(this);
        m_sdi[size_t(input)] = sdi;

        auto *delayHeader = new QLabel(QStringLiteral("Audio Delay:"), page);
        delayHeader->setGeometry(left + 4, delayTop, width - 4, LabelHeight);
        delayHeader->setVisible(shown);
        m_delayHeaders[size_t(input)] = delayHeader;
        auto *automatic = new TAutoBox(QStringLiteral("Auto"), page);
        automatic->setObjectName(QStringLiteral("CheckBox_IDELAY%1").arg(input));
        automatic->setProperty("tag", input);
        automatic->setGeometry(left + 4, delayTop + LabelHeight, 56, DelayFieldHeight);
        automatic->setVisible(shown);
        m_delayAuto[size_t(input)] = automatic;
        auto *delay = new TEditUpDown(page);
        delay->setObjectName(QStringLiteral("EditUpDown_IDELAY%1").arg(input));
        delay->setProperty("tag", input);
        const TComDriverMorlix &driver = m_context.Driver;
        delay->SetMin(int16_t(driver.GetVarMin(IDELAY)));
        delay->SetMax(int16_t(driver.GetVarMax(IDELAY)));
        delay->SetAffichageMin(driver.GetVarMin(IDELAY));
        delay->SetAffichageMax(driver.GetVarMax(IDELAY));
        delay->SetAffichageSuffix(QStringLiteral(" ms"));
        // A delay the device cannot hold is refused, not brought into range.
        delay->SetClampTypedEntries(false);
        delay->setGeometry(left + 62, delayTop + LabelHeight, width - 62, DelayFieldHeight);
        delay->setVisible(shown);
        m_delay[size_t(input)] = delay;
    }
}

void TAudioSection::BindMeter(TAudioMeter *meter, int varNumber)
{
    const TComDriverMorlix &driver = m_context.Driver;
    meter->SetMin(driver.GetVarMin(varNumber));
    meter->SetMax(driver.GetVarMax(varNumber));
    connect(meter, &TAudioMeter::OnPositionEvent, this, [this, varNumber](TAudioMeter *, int32_t position) {
        if (varNumber == AMASTERVOLUME)
            m_context.Driver.SendVar(AMASTERVOLUME, uint16_t(position));
        else
            SendForCurrentSource(varNumber, uint16_t(position));
    });
}

void TAudioSection::BindPage()
{
    const TMainContext &context = m_context;
    TComDriverMorlix &driver = context.Driver;
    BindMeter(m_master, AMASTERVOLUME);
    BindMeter(m_level, ALEVEL);
    BindMeter(m_balance, ABALANCE);
    VariableBinding::OnReport(context, AMASTERVOLUME, [this, &driver] { m_master->SetPosition(driver.GetVar(AMASTERVOLUME)); });
    VariableBinding::OnReport(context, AMASTERVOLUME_STATUS, [this, &driver] {
        m_masterText->setText(AudioTables::MasterVolumeText(driver.GetVar(AMASTERVOLUME_STATUS)));
    });
    // The copies of the report are filed by now; a report for another
    // source leaves the display as it was.
    for (int varNumber : {ALEVEL, ALEVEL_STATUS, ABALANCE, ICH, IAMAP})
        context.Changes.OnChange(varNumber, [this] { ShowSourceLevels(); });
    ShowSourceLevels();
    connect(m_balanceText, &QLineEdit::returnPressed, this, &TAudioSection::EnterBalance);

    VariableBinding::BindToggle(context, m_mute, AMUTE);
    VariableBinding::BindToggle(context, m_mono, AMONO);
    VariableBinding::BindToggle(context, m_embedded, AEMBED);
    context.Changes.OnChange(AMUTE, [this] { ShowMute(); });

    // These selectors open nothing else: a choice with any button counts.
    const auto any = VariableBinding::TChoiceButtons::Any;
    VariableBinding::BindSmartItems(context, m_reference, AREF_REQUEST, References, any);
    VariableBinding::BindSmartItems(context, m_spdifRate, ASPDIFOUTRATE, SpdifRates, any);
    VariableBinding::BindSmartItems(context, m_mode, ACH_MODE, ChannelModes, any);
    VariableBinding::BindSmartItems(context, m_breakaway, ACH_BREAKAWAY, AudioSources, any);
    VariableBinding::OnReport(context, ACH_MODE,
                              [this, &driver] { m_breakaway->setVisible(driver.GetVar(ACH_MODE) == BreakAwayMode); });
    VariableBinding::OnReport(context, AREF_STATUS, [this] { ShowReferenceStatus(); });

    VariableBinding::BindSlider(context, m_attenuation, AANALOGOUTLEVEL, VariableBinding::TSliderSense::Inverted);
    VariableBinding::OnReport(context, AANALOGOUTLEVEL, [this, &driver] {
        m_attenuationText->setText(AudioTables::AttenuationText(driver.GetVar(AANALOGOUTLEVEL)));
    });
    connect(m_attenuationText, &QLineEdit::returnPressed, this, &TAudioSection::EnterAttenuation);

    connect(m_preset, &QPushButton::clicked, this, [&driver] { driver.SendVar(AUDIORESET, 1); });
}

void TAudioSection::BindInputRows(int input)
{
    TComDriverMorlix &driver = m_context.Driver;
    const TStatusIndexedCopies &copies = m_context.Models->Inputs;
    const uint16_t n = uint16_t(input);
    TDoubleItems *sdi = m_sdi[size_t(input)];
    const auto chooseChannel = [&driver, n](int varNumber, int entry) {
        if (const std::optional<uint16_t> channel = AudioTables::SdiChannels.ValueAt(entry))
            VariableBinding::SendElements(driver, IPCHAN, n, TIndexWrite::Always, {{varNumber, *channel}});
    };
    connect(sdi, &TDoubleItems::OnSelectedItemLeftChange, this,
            [chooseChannel](int entry, TDoubleItems *) { chooseChannel(ISDI_CHANNEL_LEFT, entry); });
    connect(sdi, &TDoubleItems::OnSelectedItemRightChange, this,
            [chooseChannel](int entry, TDoubleItems *) { chooseChannel(ISDI_CHANNEL_RIGHT, entry); });

    // A refused entry sends nothing; the field keeps the text until the
    // device reports the delay again.
    connect(m_delay[size_t(input)], &TEditUpDown::OnUserChange, this,
            [&driver, n](TEditUpDown *, int32_t delay, TEditUpDown::TUDBtnType) {
                if (VariableBinding::AcceptsEntry(driver, IDELAY, delay))
                    VariableBinding::SendElements(driver, IPCHAN, n, TIndexWrite::Always,
                                                  {{IDELAY, uint16_t(delay)}});
            });
    connect(m_delayAuto[size_t(input)], &QCheckBox::clicked, this, [&driver, &copies, n] {
        const uint16_t mode = uint16_t((copies.Value(IDELAY_MODE, n) % 128) ^ 1);
        VariableBinding::SendElements(driver, IPCHAN, n, TIndexWrite::Always, {{IDELAY_MODE, mode}});
    });
}

uint16_t TAudioSection::CurrentSource() const
{
    return m_context.Models->Inputs.Value(IAMAP, m_context.Driver.GetVar(ICH));
}

void TAudioSection::SendForCurrentSource(int varNumber, uint16_t value)
{
    VariableBinding::SendElements(m_context.Driver, APCHAN, CurrentSource(), TIndexWrite::WhenDiffers,
                                  {{varNumber, value}});
}

void TAudioSection::EnterBalance()
{
    if (const std::optional<uint16_t> balance = BalanceEntry(m_balanceText->text()))
        SendForCurrentSource(ABALANCE, *balance);
}

void TAudioSection::EnterAttenuation()
{
    if (const std::optional<uint16_t> level = AttenuationEntry(m_attenuationText->text()))
        m_context.Driver.SendVar(AANALOGOUTLEVEL, *level);
}

void TAudioSection::ShowSourceLevels()
{
    const TStatusIndexedCopies &copies = m_context.Models->Audios;
    const uint16_t source = CurrentSource();
    m_levelText->setText(AudioTables::LevelText(copies.Value(ALEVEL_STATUS, source)));
    m_level->SetPosition(copies.Value(ALEVEL, source));
    m_balanceText->setText(AudioTables::BalanceText(copies.Value(ABALANCE, source)));
    m_balance->SetPosition(copies.Value(ABALANCE, source));
}

void TAudioSection::ShowMute()
{
    const bool muted = m_context.Driver.GetVar(AMUTE) != 0;
    m_indicator.SetMuted(muted);
    if (QAbstractButton *button = m_pages->Button(PageAudio)) {
        button->setIcon(m_pictures.Page(muted));
        if (auto *toolButton = qobject_cast<QToolButton *>(button))
            toolButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
}

void TAudioSection::ShowReferenceStatus()
{
    const bool error = m_context.Driver.GetVar(AREF_STATUS) == ReferenceError;
    const QString label = m_reference->Caption();
    m_referenceStatus->setText(error ? label + References.PlainCaptionOf(ReferenceError) : label);
    m_referenceStatus->setStyleSheet(error ? QStringLiteral("color: #c00000; font-weight: bold;") : QString());
}

void TAudioSection::ShowInputCopy(int varNumber)
{
    const TStatusIndexedCopies &copies = m_context.Models->Inputs;
    const int input = copies.CurrentIndex();
    if (input < 1 || input > InputCount)
        return;
    const uint16_t value = copies.Value(varNumber, input);
    switch (varNumber) {
    case ISDI_CHANNEL_LEFT:
        m_sdi[size_t(input)]->SetItemIndex_Left(AudioTables::SdiChannels.PositionOf(value));
        break;
    case ISDI_CHANNEL_RIGHT:
        m_sdi[size_t(input)]->SetItemIndex_Right(AudioTables::SdiChannels.PositionOf(value));
        break;
    case IDELAY:
        m_delay[size_t(input)]->SetPosition(value);
        break;
    case IDELAY_MODE: {
        m_delay[size_t(input)]->setEnabled(value == 1);
        QCheckBox *automatic = m_delayAuto[size_t(input)];
        const QSignalBlocker block(automatic);
        automatic->setChecked(value == 0);
        break;
    }
    default:
        break;
    }
}

void TAudioSection::ApplyInputRules(const TCommonState &state)
{
    const TCommonRules &rules = state.Rules;
    for (int input = 1; input <= InputCount; ++input) {
        const bool shown = input <= ShownInputCount;
        m_sdi[size_t(input)]->setVisible(shown && rules.SdiAudio[size_t(input)]);
        m_sdiHeaders[size_t(input)]->setVisible(shown && rules.SdiAudioHeader);
    }
}

void TAudioSection::ApplyAudioRules(const TCommonState &state)
{
    const TCommonRules &rules = state.Rules;
    m_embedded->setVisible(rules.EmbeddedOutput);
    m_spdifRate->setVisible(rules.SpdifRate);
    m_reference->setEnabled(rules.AudioReference);
    m_referenceStatus->setEnabled(rules.AudioReference);
    const QString caption = QStringLiteral("Audio: ") + AudioSources.PlainCaptionOf(state.AudioSource);
    m_level->SetCaption(caption);
    m_balance->SetCaption(caption);
    m_pages->SetPageVisible(PageAudio, rules.AudioPage);
    if (!rules.AudioPage && m_pages->ItemIndex() == PageAudio)
        m_pages->SetItemIndex(PageInput);
}

QAction *TAudioSection::AddMuteButton(QToolBar *toolBar)
{
    m_toolBarMute = toolBar->addAction(m_pictures.Indicator(m_indicator.Picture()), QStringLiteral("Mute"));
    m_toolBarMute->setObjectName(QStringLiteral("ToolButton_AMUTE"));
    m_toolBarMute->setToolTip(QStringLiteral("Mute"));
    TComDriverMorlix &driver = m_context.Driver;
    connect(m_toolBarMute, &QAction::triggered, this, [&driver] { VariableBinding::SendToggle(driver, AMUTE); });
    // The indicator leaves the tool bar alone while the pointer moves over
    // its buttons, so a button being pointed at does not flicker.
    for (QToolButton *button : toolBar->findChildren<QToolButton *>()) {
        button->setMouseTracking(true);
        button->installEventFilter(this);
    }
    return m_toolBarMute;
}

void TAudioSection::IndicatorTick()
{
    const QPixmap &picture = m_pictures.Indicator(m_indicator.Step());
    m_statusBar->SetPanelPicture(TMainStatusBar::AudioPanel, picture);
    if (m_toolBarMute && !m_pointerOverToolBar)
        m_toolBarMute->setIcon(picture);
    m_pointerOverToolBar = false;
}

void TAudioSection::KeepExpandedListOnPage(TDoubleItems *list)
{
    // Expanded, the list may run past the bottom of the page: it moves up
    // as far as it needs to, and back to its place when it collapses.
    const int input = list->property("tag").toInt();
    const int home = m_sdiHomeTop[size_t(input)];
    const int pageHeight = list->parentWidget()->height();
    const int top = list->height() + home > pageHeight ? qMax(0, pageHeight - list->height()) : home;
    if (list->y() != top)
        list->move(list->x(), top);
}

bool TAudioSection::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        if (auto *list = qobject_cast<TDoubleItems *>(watched))
            KeepExpandedListOnPage(list);
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        if (qobject_cast<QToolButton *>(watched))
            m_pointerOverToolBar = true;
    return QObject::eventFilter(watched, event);
}
