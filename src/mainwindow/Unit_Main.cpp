#include "Unit_Main.h"

#include "AppFiles.h"
#include "ConnectionOverlay.h"
#include "ConsoleKey.h"
#include "ConnectionWatch.h"
#include "DeviceCommands.h"
#include "DeviceStatus.h"
#include "Form_About.h"
#include "LanSetup.h"
#include "LcdBrightnessPopup.h"
#include "LogoLoaderLink.h"
#include "MainPages.h"
#include "MainStatusBar.h"
#include "MessagePanels.h"
#include "SerialPortAccess.h"
#include "SettingsFile.h"
#include "StatusTicker.h"
#include "config/CheckSum_Halvor.h"
#include "console/Unit_Debug2007.h"
#include "controls/MultiTimer.h"
#include "controls/Unit_GestionSlide.h"
#include "dialogs/ContypeCfg.h"
#include "dialogs/OperatorPrompt.h"
#include "dialogs/Unit_Customize.h"
#include "dialogs/Unit_EDID_DVI.h"
#include "pages/AudioSection.h"
#include "pages/CustomTimingSection.h"
#include "pages/ImageSection.h"
#include "pages/InputSection.h"
#include "pages/LogoSection.h"
#include "pages/OutputSection.h"
#include "pages/ZoomSection.h"
#include "dialogs/Unit_SaveLoadConfigTotal.h"
#include "dialogs/Unit_SavePreset.h"
#include "pages/PageModels.h"
#include "link/ComDriverMorlix.h"
#include "variables/Conversion_V2.h"
#include "variables/MorlixVariables_d.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>

namespace {

constexpr int ClientWidth = 783;
constexpr int ClientHeight = 590;
constexpr int PageTop = 108;
constexpr int PageLeft = 122;
// The common picture's selector and button, under "Black" and "Freeze"; the
// page buttons start below them.
constexpr int CommonPictureTop = 100;
constexpr int CommonPictureHeight = 48;
constexpr int PageButtonsTop = CommonPictureTop + CommonPictureHeight + 4;

} // namespace

TForm_Main::TForm_Main(const TMainWindowOptions &options, QWidget *parent)
    : QMainWindow(parent), m_options(options),
      m_driver(std::make_unique<TComDriverMorlix>(options.PollIntervalMs, options.ReconnectDelayMs)),
      m_changes(std::make_unique<TMorlixVariables>()), m_conversion(std::make_unique<TConversion_V2>()),
      // Before any page: the copies' handlers must file a report before the
      // pages' handlers read it.
      m_models(std::make_unique<TPageModels>(*m_driver, *m_changes, this)),
      m_context(std::make_unique<TMainContext>(TMainContext{*m_driver, *m_changes, *m_conversion, m_models.get()})),
      m_checksum(std::make_unique<TCheckSum_Halvor>())
{
    setObjectName(QStringLiteral("Form_Main"));
    m_serialPorts = options.SerialPorts ? *options.SerialPorts : SerialPortAccess::OpenablePorts();
    m_settingsPath = options.SettingsPath.isEmpty() ? AppFiles::PathFor(AppFiles::SettingsFileName())
                                                    : options.SettingsPath;
    m_settings = std::make_unique<TSettingsFile>(*m_driver, *m_checksum, m_serialPorts);
    connect(m_checksum.get(), &TCheckSum_Halvor::MessageRequested, this,
            [this](const QString &text) { TOperatorPrompt::Inform(this, text, TOperatorPrompt::Warning); });

    m_about = new TForm_About(this);
    m_connectionDialog = new TConTypeCfgForm(this);
    m_connectionDialog->OnOk = [this] { ShowCommunication(FromDialog); };

    BuildClientArea();
    BuildPages();
    BuildSections();
    BuildCommands();
    BuildStatus();
    LayOutWindow();
    // After every section: the update runs after their handlers of a report.
    m_models->CommonUpdate.ConnectTriggers();

    m_multiTimer = new TMultiTimer(this, options.MultiTimerBaseMs);
    m_multiTimer->SetTimerAms(_00250mS);
    m_multiTimer->SetOnTimerAmsEvent([this] { QuarterSecondTick(); });
    m_multiTimer->SetTimerBms(_01000mS);
    m_multiTimer->SetOnTimerBmsEvent([this] { OneSecondTick(); });

    m_fastTimer.setInterval(options.FastTimerMs);
    TStatusTicker *ticker = m_statusBar->Ticker();
    connect(&m_fastTimer, &QTimer::timeout, ticker, [ticker] {
        if (ticker->Active())
            ticker->Step();
    });
    connect(ticker, &TStatusTicker::ActiveChanged, this,
            [this, ticker](bool active) { m_fastTimer.SetNeeded(ticker, active); });

    // Created hidden now, so that its log holds what came before it is shown.
    TConsoleOptions consoleOptions;
    if (!options.SettingsPath.isEmpty())
        consoleOptions.FilePath = QFileInfo(options.SettingsPath).dir().filePath(QStringLiteral("Debug2007.ini"));
    m_console = new TForm_Debug2007(this, consoleOptions);
    m_console->SetDriver(m_driver.get());
    new TConsoleKey(this, [this] { return m_consoleKeyArmed; }, [this] { ConsoleKeyPressed(); });
}

TForm_Main::~TForm_Main()
{
    // The pages' handlers refer to widgets: stop the reports before they go.
    m_driver->disconnect(this);
    // The loader's threads give the link back before the link goes.
    delete m_logoLoader;
    m_driver->Close();
}

void TForm_Main::BuildClientArea()
{
    m_statusBar = new TMainStatusBar(this);
    setStatusBar(m_statusBar);
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_toolBar = new QToolBar(m_client);
    m_toolBar->setObjectName(QStringLiteral("ToolBar_Device"));
    m_toolBar->setGeometry(0, 0, 420, 32);
    m_fileToolBar = new QToolBar(m_client);
    m_fileToolBar->setObjectName(QStringLiteral("ToolBar_File"));
    m_fileToolBar->setGeometry(430, 0, 160, 32);

    m_freeze = new QPushButton(QStringLiteral("Freeze"), m_client);
    m_freeze->setObjectName(QStringLiteral("SpeedButton_IFREEZE"));
    m_freeze->setGeometry(8, 68, 100, 28);
    m_inputStrip = new QGroupBox(QStringLiteral("Input selection"), m_client);
    m_inputStrip->setObjectName(QStringLiteral("GroupBox_InputSelection"));
    m_inputStrip->setGeometry(PageLeft, 36, ClientWidth - PageLeft - 4, PageTop - 36 - 4);

    // Laid over the page area; the sliding pages are raised above the client
    // area, so these are raised again after every slide.
    m_overlay = new TConnectionOverlay(this);
    m_operationPanel = new TOperationPanel(this);
    m_updatePanel = new TUpdatePanel(this);

    connect(m_statusBar, &TMainStatusBar::PointerOver, this, &TForm_Main::ArmConsoleKey);
    connect(m_driver.get(), &TComDriver::OnVarReceived, this,
            [this](int varNumber) { m_changes->SetVarNumber(uint16_t(varNumber)); });
}

void TForm_Main::LayOutWindow()
{
    // The client area starts below the menu bar, known once the menus exist.
    const int clientTop = menuBar()->sizeHint().height();
    setFixedSize(ClientWidth, ClientHeight + clientTop);
    const int statusHeight = m_statusBar->sizeHint().height();
    m_slide->setGeometry(4, PageButtonsTop, PageLeft - 12, ClientHeight - statusHeight - PageButtonsTop - 4);
    m_slide->SlideTop = clientTop + PageTop;
    const QRect pageArea(PageLeft, clientTop + PageTop, TMainPage::Width, TMainPage::Height);
    m_overlay->setGeometry(QRect(0, 0, 420, 160).translated(pageArea.center() - QPoint(210, 80)));
    m_operationPanel->setGeometry(pageArea.left() + 40, pageArea.top() + 8, pageArea.width() - 80, 64);
    m_updatePanel->setGeometry(pageArea.left(), pageArea.bottom() - 44, pageArea.width(), 40);
}

void TForm_Main::BuildPages()
{
    m_pageControl = new QTabWidget(m_client);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_pages = CreateMainPages(*m_context, m_pageControl);
    m_slide = new TGestionSlide(m_client, m_options.SlideIntervalMs);
    m_slide->setObjectName(QStringLiteral("GestionSlide1"));
    m_slide->SlideLeft = PageLeft;
    m_slide->Layer = TGestionSlide::_BringToFront;
    m_slide->SetPageControl(m_pageControl);
    connect(m_slide, &TGestionSlide::OnFinishSlide, this, &TForm_Main::RaiseOverlays);
}

// Each subsystem's controls, wherever they sit, belong to one section.
void TForm_Main::BuildSections()
{
    m_inputSection = new TInputSection(
        *m_context, {m_inputStrip, m_pages[PageInput]->Host(), m_pages[PageStatus]->Host()}, this);
    m_customize = new TForm_Customize(this);
    connect(m_customize, &TForm_Customize::Hidden, this, &TForm_Main::TakeNamesFromCustomize);
    connect(m_inputSection, &TInputSection::RenameRequested, this, &TForm_Main::OpenCustomize);

    TOutputSection::THosts output;
    output.OutputPage = m_pages[PageOutput]->Host();
    output.ImagePage = m_pages[PageImage]->Host();
    output.ZoomPage = m_pages[PageZoom]->Host();
    output.PageStrip = m_client;
    output.Window = this;
    output.OutputPageShown = [this] { return m_slide->ItemIndex() == PageOutput; };
    m_output = new TOutputSection(*m_context, output, this);
    m_image = new TImageSection(*m_context, m_pages[PageImage]->Host(), this);
    connect(m_slide, &TGestionSlide::OnFinishSlide, m_output, &TOutputSection::ApplyPatternWindowRule);
    m_customTiming = new TCustomTimingSection(*m_context, {m_pages[PageOutput]->Host(), m_output, &m_fastTimer}, this);
    connect(&m_fastTimer, &QTimer::timeout, m_customTiming, &TCustomTimingSection::AnimationStep);

    // The recent pictures' list lives beside the settings file.
    m_logoLoader = new TLogoLoaderLink(*m_context, this,
                                       QFileInfo(m_settingsPath).absoluteDir().filePath(QStringLiteral("ImagesFile.ini")));
    m_logoSection = new TLogoSection(*m_context,
                                     {m_pages[PageLogo]->Host(), m_inputStrip, m_inputSection, m_client,
                                      QRect(8, CommonPictureTop, 100, CommonPictureHeight), m_logoLoader},
                                     this);
    m_audio = new TAudioSection(*m_context,
                                {m_pages[PageAudio]->Host(), m_pages[PageInput], m_inputSection, m_slide, m_statusBar},
                                this);
    BuildZoom();
}

// The zoom page and image page fields, and the presets and progress windows
// that store, recall, save and load the zoom presets.
void TForm_Main::BuildZoom()
{
    m_zoom = new TZoomSection(*m_context, {m_pages[PageZoom]->Host(), m_pages[PageImage]->Host()}, this);
    m_configTotal = new TForm_SaveLoadConfigTotal(*m_driver, this);
    m_presets = new TForm_SavePreset(*m_driver, *m_configTotal, [this] { return m_zoom->Slots(); }, this);
    connect(m_zoom, &TZoomSection::PresetsRequested, m_presets, &TForm_SavePreset::ShowAtPointer);
    connect(m_presets, &TForm_SavePreset::PresetCaptionChanged, this,
            [this](int preset, const QString &caption) { m_names.PresetCaptions[size_t(preset - 1)] = caption; });
    m_changes->OnChange(ZMINDEX, [this] { m_presets->SetMem(m_driver->GetVar(ZMINDEX)); });
}

void TForm_Main::BuildCommands()
{
    TDeviceCommands::TWindowCommands commands;
    commands.Customize = [this] { OpenCustomize(-1); };
    commands.EdidDvi = [this] { m_edid->Open(); };
    commands.LanSetup = [this] { m_lanSetup->Open(); };
    commands.ConnectionSetup = [this] { OpenConnectionDialog(); };
    commands.OpenFile = [this] { OpenCustomisation(); };
    commands.SaveFile = [this] { SaveCustomisation(m_customisationPath.isEmpty()); };
    commands.SaveFileAs = [this] { SaveCustomisation(true); };
    commands.Exit = [this] { close(); };
    commands.About = [this] {
        m_deviceStatus->UpdateProgramVersion();
        m_about->show();
        m_about->raise();
    };
    m_commands = new TDeviceCommands(*m_context, this, menuBar(), m_toolBar, m_fileToolBar, m_freeze, commands);
    m_audio->AddMuteButton(m_toolBar);
}

void TForm_Main::BuildStatus()
{
    TDeviceStatus::TViews views{this,
                                m_commands->AboutAction(),
                                m_commands->LanSetupAction(),
                                m_about,
                                m_statusBar,
                                m_operationPanel,
                                m_updatePanel,
                                m_connectionDialog,
                                [this] { CommonUpdate(); }};
    m_deviceStatus = new TDeviceStatus(*m_context, views, this);
    m_connectionWatch = new TConnectionWatch(*m_context, m_overlay, m_statusBar, m_about,
                                             [this](uint16_t deviceType) { m_deviceStatus->Identify(deviceType); },
                                             this);
    m_edid = new TForm_EDIDDVI(*m_context, this);
    connect(m_deviceStatus, &TDeviceStatus::DeviceIdentified, m_edid, &TForm_EDIDDVI::RebuildLists);
    m_lanSetup = new TLanSetup(*m_context, this);
    // Until a device has said what it is, the caption says "Unknown" (the
    // About window starts out as "About Unknown" by itself).
    setWindowTitle(QStringLiteral("Unknown"));
}

void TForm_Main::Initialise()
{
    m_deviceStatus->UpdateProgramVersion();
    m_connectionDialog->ClearPorts();
    for (const QString &port : m_serialPorts)
        m_connectionDialog->AddPort(port);
    ShowNames();
    m_multiTimer->SetEnabled(true);
    m_slide->SetItemIndex(0);
    LoadSettings(m_settingsPath);
}

void TForm_Main::LoadSettings(const QString &path)
{
    m_settings->Load(path, m_names);
    ShowNames();
    ReportSerialAccess();
    ShowCommunication(FromDriver);
}

// The committed names go to the names window as its saved names and onto
// the buttons and headers.
void TForm_Main::ShowNames()
{
    for (size_t i = 0; i < m_names.Inputs.size(); ++i)
        m_customize->SetInputName(int(i + 1), m_names.Inputs[i]);
    for (size_t i = 0; i < m_names.Audios.size(); ++i)
        m_customize->SetAudioName(int(i + 1), m_names.Audios[i]);
    m_inputSection->ApplyNames(m_names);
    for (size_t i = 0; i < m_names.PresetCaptions.size(); ++i)
        m_presets->SetPresetCaption(int(i + 1), m_names.PresetCaptions[i]);
}

// The window has committed or reverted its edits by the time it hides.
void TForm_Main::TakeNamesFromCustomize()
{
    for (size_t i = 0; i < m_names.Inputs.size(); ++i)
        m_names.Inputs[i] = m_customize->InputName(int(i + 1));
    for (size_t i = 0; i < m_names.Audios.size(); ++i)
        m_names.Audios[i] = m_customize->AudioName(int(i + 1));
    m_inputSection->ApplyNames(m_names);
}

void TForm_Main::OpenCustomize(int row)
{
    m_customize->SelectRow(row);
    m_customize->show();
    m_customize->raise();
}

bool TForm_Main::SaveSettings(const QString &path)
{
    return m_settings->Save(path, m_names, this);
}

void TForm_Main::ShowCommunication(TCommunicationSource source)
{
    const bool fromDialog = source == FromDialog;
    const auto type = fromDialog ? TConnectionType(m_connectionDialog->ConnectionType()) : m_driver->ConType();
    const QString port = fromDialog ? m_connectionDialog->PortName() : m_driver->Port();
    m_statusBar->SetPanelText(TMainStatusBar::ConTypePanel, TConnectionWatch::CommunicationText(type, port));
}

void TForm_Main::OpenConnectionDialog()
{
    FillConnectionDialog();
    m_connectionDialog->exec();
    ApplyConnectionDialog();
}

void TForm_Main::FillConnectionDialog()
{
    m_connectionDialog->setResult(QDialog::Rejected);
    m_connectionDialog->SetConnectionType(m_driver->ConType());
    m_connectionDialog->SetPortName(m_driver->Port());
    m_connectionDialog->SetLocalPort(m_driver->IPLocalPort());
    m_connectionDialog->SetRemotePort(m_driver->IPRemotePort());
    m_connectionDialog->SetRemoteAddress(m_driver->IPRemoteAddress());
    // Without a LAN board the dialog stays on the serial link.
    if (m_connectionDialog->RS232Only())
        m_connectionDialog->SetRS232Only(true);
}

void TForm_Main::ApplyConnectionDialog()
{
    // A dialog closed by its window button or Escape was not accepted,
    // whatever an earlier OK left behind.
    if (m_connectionDialog->result() != QDialog::Accepted || !m_connectionDialog->Accepted())
        return;
    TConnectionChoice choice;
    choice.Type = TConnectionType(m_connectionDialog->ConnectionType());
    choice.Port = m_connectionDialog->PortName();
    choice.LocalPort = m_connectionDialog->LocalPort();
    choice.RemotePort = m_connectionDialog->RemotePort();
    choice.RemoteAddress = m_connectionDialog->RemoteAddress();
    if (choice.SameAs(TConnectionChoice::FromDriver(*m_driver)))
        return;
    ApplyConnection(choice);
}

void TForm_Main::ApplyConnection(const TConnectionChoice &choice)
{
    choice.ApplyTo(*m_driver);
    ReportSerialAccess();
    ShowCommunication(FromDriver);
}

void TForm_Main::ReportSerialAccess()
{
    if (m_driver->ConType() != ctRS232 || m_driver->Opened())
        return;
    const QString advice = SerialPortAccess::PermissionAdvice(m_driver->Port());
    if (!advice.isEmpty())
        TOperatorPrompt::Inform(this, advice, TOperatorPrompt::Warning);
}

void TForm_Main::ConsoleKeyPressed()
{
    if (!m_consoleKeyArmed)
        return;
    m_console->show();
    m_console->raise();
    m_console->activateWindow();
}

void TForm_Main::QuarterSecondTick()
{
    m_connectionWatch->RefreshIndication();
    m_inputSection->BlinkTick();
    m_audio->IndicatorTick();
}

void TForm_Main::OneSecondTick()
{
    if (!rect().contains(mapFromGlobal(QCursor::pos())))
        m_consoleKeyArmed = false;
    m_commands->LcdPopup()->HideUnlessPointerOver();
}

void TForm_Main::CommonUpdate()
{
    m_models->CommonUpdate.Run();
}

void TForm_Main::RaiseOverlays()
{
    for (QWidget *overlay : {static_cast<QWidget *>(m_updatePanel), static_cast<QWidget *>(m_operationPanel),
                             static_cast<QWidget *>(m_overlay),
                             static_cast<QWidget *>(m_commands->LcdPopup())})
        overlay->raise();
}

void TForm_Main::OpenCustomisation()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open Your Customization"),
                                                      QStringLiteral("."),
                                                      QStringLiteral("Your customization (*.usr)"));
    if (!path.isEmpty()) {
        m_customisationPath = path;
        LoadSettings(path);
    }
    ShowCommunication(FromDriver);
}

void TForm_Main::SaveCustomisation(bool choosePath)
{
    QString path = m_customisationPath;
    if (choosePath) {
        QFileDialog dialog(this, QStringLiteral("Save Your Customization"), QStringLiteral("."),
                           QStringLiteral("Your customization (*.usr)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("usr"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        path = dialog.selectedFiles().first();
    }
    SaveSettings(path);
}

void TForm_Main::closeEvent(QCloseEvent *event)
{
    SaveSettings(m_settingsPath);
    m_about->close();
    // An EDID choice not applied goes back, as when its window is closed.
    m_edid->close();
    m_console->close();
    event->accept();
}
