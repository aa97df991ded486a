#pragma once
#include "ConnectionChoice.h"
#include "FastTimer.h"
#include "MainContext.h"
#include "config/OperatorNames.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <memory>
#include <optional>

class QGroupBox;
class QPushButton;
class QTabWidget;
class QToolBar;
class TAudioSection;
class TCheckSum_Halvor;
class TComDriverMorlix;
class TConTypeCfgForm;
class TConnectionOverlay;
class TConnectionWatch;
class TConversion_V2;
class TCustomTimingSection;
class TDeviceCommands;
class TDeviceStatus;
class TForm_About;
class TForm_Customize;
class TForm_Debug2007;
class TForm_EDIDDVI;
class TImageSection;
class TInputSection;
class TForm_SaveLoadConfigTotal;
class TForm_SavePreset;
class TZoomSection;
class TGestionSlide;
class TLanSetup;
class TLogoLoaderLink;
class TLogoSection;
class TMainPage;
class TMainStatusBar;
class TMorlixVariables;
class TMultiTimer;
class TOperationPanel;
class TOutputSection;
struct TPageModels;
class TSettingsFile;
class TUpdatePanel;

// What a test or the program start chooses about the main window.
struct TMainWindowOptions
{
    // Empty: the settings file next to the executable (or in the user's
    // configuration folder when that cannot be written).
    QString SettingsPath;
    // Unset: the serial ports found on this computer.
    std::optional<QStringList> SerialPorts;
    int PollIntervalMs = 1000;
    int ReconnectDelayMs = 10000;
    int MultiTimerBaseMs = 250;
    int FastTimerMs = 1;
    int SlideIntervalMs = 1;
};

// The main window. It owns the driver, the change component, the conversion
// and the multi-timer for the life of the program, and wires them to the
// pages, the status bar, the connection overlay and the menus.
class TForm_Main : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm_Main(const TMainWindowOptions &options = {}, QWidget *parent = nullptr);
    ~TForm_Main() override;

    // The initialisation run once before the event loop; ends by reading the
    // settings file and opening the link.
    void Initialise();

    void LoadSettings(const QString &path);
    bool SaveSettings(const QString &path);
    QString SettingsPath() const { return m_settingsPath; }

    enum TCommunicationSource { FromDriver, FromDialog };
    void ShowCommunication(TCommunicationSource source);

    // The connection dialog, in its three steps: fill it from the driver,
    // let the operator choose, apply what was accepted.
    void OpenConnectionDialog();
    void FillConnectionDialog();
    void ApplyConnectionDialog();
    // Applies a connection as the dialog does (also used by --connect).
    void ApplyConnection(const TConnectionChoice &choice);

    // Ctrl+Insert: opens the service console when the key is armed.
    void ConsoleKeyPressed();
    void ArmConsoleKey() { m_consoleKeyArmed = true; }
    bool ConsoleKeyArmed() const { return m_consoleKeyArmed; }
    // The 250 ms and 1000 ms events of the multi-timer.
    void QuarterSecondTick();
    void OneSecondTick();
    // Shows, hides, enables and disables the dependent controls of every page.
    void CommonUpdate();

    TComDriverMorlix &Driver() const { return *m_driver; }
    TMorlixVariables &Changes() const { return *m_changes; }
    const TMainContext &Context() const { return *m_context; }
    TPageModels &Models() const { return *m_models; }
    // The pages in the order of TMainPageIndex.
    const QVector<TMainPage *> &Pages() const { return m_pages; }
    TMainStatusBar *StatusBarPanels() const { return m_statusBar; }
    TConnectionOverlay *Overlay() const { return m_overlay; }
    TOperationPanel *OperationPanel() const { return m_operationPanel; }
    TUpdatePanel *UpdatePanel() const { return m_updatePanel; }
    TForm_About *About() const { return m_about; }
    TConTypeCfgForm *ConnectionDialog() const { return m_connectionDialog; }
    TGestionSlide *GestionSlide1() const { return m_slide; }
    TDeviceStatus *DeviceStatus() const { return m_deviceStatus; }
    TDeviceCommands *Commands() const { return m_commands; }
    TConnectionWatch *ConnectionWatch() const { return m_connectionWatch; }
    TOutputSection *Output() const { return m_output; }
    TCustomTimingSection *CustomTiming() const { return m_customTiming; }
    TImageSection *Image() const { return m_image; }
    TZoomSection *Zoom() const { return m_zoom; }
    TForm_SavePreset *Presets() const { return m_presets; }
    TForm_SaveLoadConfigTotal *ConfigTotal() const { return m_configTotal; }
    TLogoLoaderLink *LogoLoader() const { return m_logoLoader; }
    TLogoSection *LogoSection() const { return m_logoSection; }
    TAudioSection *Audio() const { return m_audio; }
    TForm_Debug2007 *ServiceConsole() const { return m_console; }
    TLanSetup *LanSetup() const { return m_lanSetup; }
    TForm_EDIDDVI *EdidWindow() const { return m_edid; }
    QStringList SerialPorts() const { return m_serialPorts; }
    TOperatorNames &Names() { return m_names; }
    TInputSection *InputSection() const { return m_inputSection; }
    TForm_Customize *Customize() const { return m_customize; }
    // Opens "Customize" on a row of its grids (-1: both groups, no row).
    void OpenCustomize(int row);
    QPushButton *FreezeButton() const { return m_freeze; }
    TFastTimer &FastTimer() { return m_fastTimer; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildClientArea();
    void BuildPages();
    void LayOutWindow();
    void BuildCommands();
    void BuildStatus();
    void RaiseOverlays();
    void ReportSerialAccess();
    void BuildSections();
    void BuildZoom();
    void ShowNames();
    void TakeNamesFromCustomize();
    void OpenCustomisation();
    void SaveCustomisation(bool choosePath);

    TMainWindowOptions m_options;
    QString m_settingsPath;
    QStringList m_serialPorts;
    TOperatorNames m_names;

    std::unique_ptr<TComDriverMorlix> m_driver;
    std::unique_ptr<TMorlixVariables> m_changes;
    std::unique_ptr<TConversion_V2> m_conversion;
    std::unique_ptr<TPageModels> m_models;
    std::unique_ptr<TMainContext> m_context;
    std::unique_ptr<TCheckSum_Halvor> m_checksum;
    std::unique_ptr<TSettingsFile> m_settings;
    TMultiTimer *m_multiTimer;
    TFastTimer m_fastTimer;

    QWidget *m_client = nullptr;
    QToolBar *m_toolBar = nullptr;
    QToolBar *m_fileToolBar = nullptr;
    QPushButton *m_freeze = nullptr;
    QGroupBox *m_inputStrip = nullptr;
    TInputSection *m_inputSection = nullptr;
    TForm_Customize *m_customize = nullptr;
    TMainStatusBar *m_statusBar = nullptr;
    TConnectionOverlay *m_overlay = nullptr;
    TOperationPanel *m_operationPanel = nullptr;
    TUpdatePanel *m_updatePanel = nullptr;
    TForm_About *m_about = nullptr;
    TConTypeCfgForm *m_connectionDialog = nullptr;
    TGestionSlide *m_slide = nullptr;
    QTabWidget *m_pageControl = nullptr;
    QVector<TMainPage *> m_pages;
    TDeviceStatus *m_deviceStatus = nullptr;
    TDeviceCommands *m_commands = nullptr;
    TConnectionWatch *m_connectionWatch = nullptr;
    TOutputSection *m_output = nullptr;
    TCustomTimingSection *m_customTiming = nullptr;
    TImageSection *m_image = nullptr;
    TZoomSection *m_zoom = nullptr;
    TForm_SaveLoadConfigTotal *m_configTotal = nullptr;
    TForm_SavePreset *m_presets = nullptr;
    TLogoLoaderLink *m_logoLoader = nullptr;
    TLogoSection *m_logoSection = nullptr;
    TAudioSection *m_audio = nullptr;
    TForm_Debug2007 *m_console = nullptr;
    TLanSetup *m_lanSetup = nullptr;
    TForm_EDIDDVI *m_edid = nullptr;
    QString m_customisationPath;
    bool m_consoleKeyArmed = false;
};
