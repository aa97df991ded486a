#include "DeviceCommands.h"

#include "LcdBrightnessPopup.h"
#include "VariableBinding.h"
#include "controls/MenuHelpers.h"
#include "dialogs/OperatorPrompt.h"
#include "link/ComDriverMorlix.h"
#include "variables/MorlixVariables_d.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

QString LockWord(bool locked)
{
    return locked ? QStringLiteral("Locked") : QStringLiteral("Unlock");
}

QAction *DisabledItem(QMenu *menu, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setEnabled(false);
    return item;
}

} // namespace

TDeviceCommands::TDeviceCommands(const TMainContext &context, QWidget *window, QMenuBar *menuBar,
                                 QToolBar *toolBar, QToolBar *fileToolBar, QAbstractButton *freezeButton,
                                 const TWindowCommands &commands)
    : QObject(window), m_context(context), m_window(window)
{
    m_lcdPopup = new TLcdBrightnessPopup(context, window);
    BuildControlMenu(menuBar, commands);

    QMenu *files = menuBar->addMenu(QStringLiteral("&Files"));
    files->setObjectName(QStringLiteral("Menu_Files"));
    DisabledItem(files, QStringLiteral("Customize"));
    DisabledItem(files, QStringLiteral("New"));
    AddCommand(files, QStringLiteral("MenuItem_Open"), QStringLiteral("Open"), commands.OpenFile);
    AddCommand(files, QStringLiteral("MenuItem_Save"), QStringLiteral("Save"), commands.SaveFile);
    AddCommand(files, QStringLiteral("MenuItem_SaveAs"), QStringLiteral("Save as..."), commands.SaveFileAs);
    files->addSeparator();
    AddCommand(files, QStringLiteral("MenuItem_Exit"), QStringLiteral("Exit"), commands.Exit);

    QMenu *about = menuBar->addMenu(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("Menu_About"));
    m_about = AddCommand(about, QStringLiteral("MenuItem_About"), QStringLiteral("About ..."), commands.About);

    BuildToolBar(toolBar, fileToolBar);
    VariableBinding::BindToggle(context, freezeButton, IFREEZE);

    context.Changes.onLOCKChange([this] { ShowLock(); });
    context.Changes.onSTDBYMODEChange([this] { ShowStandbyMode(); });
    context.Changes.onSTDBYTIMEChange([this] { ShowStandbyTime(); });
    ShowLock();
}

QAction *TDeviceCommands::AddCommand(QMenu *menu, const QString &name, const QString &caption,
                                     std::function<void()> run)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    if (run)
        connect(action, &QAction::triggered, this, [run] { run(); });
    return action;
}

QAction *TDeviceCommands::AddChoice(QMenu *menu, const QString &name, const QString &caption,
                                    std::function<void()> run)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(true);
    // The check mark shows what the device reports: a click takes its own
    // toggle back and only sends.
    connect(action, &QAction::triggered, this, [action, run] {
        action->setChecked(!action->isChecked());
        run();
    });
    return action;
}

void TDeviceCommands::BuildControlMenu(QMenuBar *menuBar, const TWindowCommands &commands)
{
    QMenu *control = menuBar->addMenu(QStringLiteral("&Control"));
    control->setObjectName(QStringLiteral("Menu_Control"));
    AddCommand(control, QStringLiteral("MenuItem_Customize"), QStringLiteral("Customize"), commands.Customize);
    m_standbyMenu = BuildStandbyMenu(control);
    m_standbyMenu->setTitle(QStringLiteral("&Stand by"));
    control->addMenu(m_standbyMenu);
    m_lockMenu = BuildLockMenu(control);
    m_lockMenu->setTitle(QStringLiteral("Key locking"));
    control->addMenu(m_lockMenu);
    AddCommand(control, QStringLiteral("MenuItem_LCDBrightness"), QStringLiteral("LCD brightness"),
               [this] { m_lcdPopup->ShowAtPointer(); });
    AddCommand(control, QStringLiteral("MenuItem_EDIDDVI"), QStringLiteral("EDID DVI"), commands.EdidDvi);
    m_eraseAll = AddCommand(control, QStringLiteral("MenuItem_EraseAll"), QStringLiteral("&Erase all memories"),
                            [this] {
                                ConfirmAndSend(QStringLiteral("Are you sure you want erase all memories ?"),
                                               POSMEMORYRESET);
                            });
    m_defaults = AddCommand(control, QStringLiteral("MenuItem_Default"), QStringLiteral("&Default values"), [this] {
        ConfirmAndSend(QStringLiteral("Are you sure you want default value ?"), FACTORYRESET);
    });
    m_lanSetup = AddCommand(control, QStringLiteral("MenuItem_LANSetup"), QStringLiteral("Device LAN Setup"),
                            commands.LanSetup);
    m_connectionSetup = AddCommand(control, QStringLiteral("MenuItem_ConnectionSetup"),
                                   QStringLiteral("&RS232/LAN Setup"), commands.ConnectionSetup);
}

QMenu *TDeviceCommands::BuildStandbyMenu(QWidget *parent)
{
    TComDriverMorlix &driver = m_context.Driver;
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("Menu_Standby"));
    DisabledItem(menu, QStringLiteral(" "));
    AddCommand(menu, QStringLiteral("MenuItem_StandbyOn"), QStringLiteral("On"),
               [&driver] { driver.SendVar(STDBYREQUEST, 1); });
    AddCommand(menu, QStringLiteral("MenuItem_StandbyOff"), QStringLiteral("OFF"),
               [&driver] { driver.SendVar(STDBYREQUEST, 2); });
    menu->addSeparator();
    DisabledItem(menu, QStringLiteral("Auto After"));
    DisabledItem(menu, QStringLiteral("_____________"));

    m_timeMenu = new QMenu(m_window);
    m_timeMenu->setObjectName(QStringLiteral("PopupMenu_StandbyTime"));
    DisabledItem(m_timeMenu, QStringLiteral("Time"));
    m_timeMenu->addSeparator();
    const char *times[] = {"1 Min", "5 Min", "10 Min", "15 Min", "30 Min", "60 Min", "90 Min", "120 Min"};
    for (size_t position = 0; position < m_timeItems.size(); ++position) {
        m_timeItems[position] =
            AddChoice(m_timeMenu, QStringLiteral("MenuItem_StandbyTime%1").arg(position),
                      QString::fromLatin1(times[position]),
                      [&driver, position] { driver.SendVar(STDBYTIME, uint16_t(position)); });
    }
    const char *modes[] = {"Sync Loss", "Stand-by time", "Stand Loss+Time"};
    for (size_t mode = 0; mode < m_modeItems.size(); ++mode) {
        m_modeItems[mode] = AddChoice(menu, QStringLiteral("MenuItem_StandbyMode%1").arg(mode),
                                      QString::fromLatin1(modes[mode]), [this, &driver, mode] {
                                          driver.SendVar(STDBYMODE, uint16_t(mode));
                                          if (mode != 0)
                                              m_timeMenu->popup(QCursor::pos());
                                      });
    }
    return menu;
}

QMenu *TDeviceCommands::BuildLockMenu(QWidget *parent)
{
    TComDriverMorlix &driver = m_context.Driver;
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("Menu_KeyLocking"));
    m_lockItems[0] = AddCommand(menu, QStringLiteral("MenuItem_LockAll"), QString(), [&driver] {
        driver.SendVar(LOCK, (driver.GetVar(LOCK) & 3) == 3 ? 0 : 3);
    });
    m_lockItems[1] = AddCommand(menu, QStringLiteral("MenuItem_LockMenu"), QString(),
                                [&driver] { driver.SendVar(LOCK, driver.GetVar(LOCK) ^ 1); });
    m_lockItems[2] = AddCommand(menu, QStringLiteral("MenuItem_LockInput"), QString(), nullptr);
    m_lockItems[2]->setVisible(false);
    return menu;
}

void TDeviceCommands::BuildToolBar(QToolBar *toolBar, QToolBar *fileToolBar)
{
    TComDriverMorlix &driver = m_context.Driver;
    QStyle *style = m_window->style();
    auto addLinked = [toolBar](QAction *item, QStyle::StandardPixmap icon, QStyle *style) {
        QAction *button = toolBar->addAction(style->standardIcon(icon), StripAccelerators(item->text()));
        button->setToolTip(StripAccelerators(item->text()));
        connect(button, &QAction::triggered, item, &QAction::trigger);
        return button;
    };
    auto addDropDown = [toolBar](QMenu *menu, QStyle::StandardPixmap icon, QStyle *style) {
        auto *button = new QToolButton(toolBar);
        button->setIcon(style->standardIcon(icon));
        const QString hint = StripAccelerators(menu->title());
        button->setToolTip(hint);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        toolBar->addWidget(button)->setToolTip(hint);
    };
    addLinked(m_connectionSetup, QStyle::SP_DriveNetIcon, style);
    QAction *autoSetting = toolBar->addAction(style->standardIcon(QStyle::SP_BrowserReload),
                                              QStringLiteral("Auto-setting"));
    autoSetting->setObjectName(QStringLiteral("ToolButton_AutoSetting"));
    autoSetting->setToolTip(QStringLiteral("Auto-setting"));
    connect(autoSetting, &QAction::triggered, this, [&driver] { driver.SendVar(IAUTOSET, 1); });
    addDropDown(m_lockMenu, QStyle::SP_DialogNoButton, style);
    addDropDown(m_standbyMenu, QStyle::SP_MediaPause, style);
    addLinked(m_eraseAll, QStyle::SP_TrashIcon, style);
    addLinked(m_defaults, QStyle::SP_DialogResetButton, style);
    toolBar->addSeparator();
    addLinked(m_about, QStyle::SP_MessageBoxInformation, style);

    const std::pair<const char *, QStyle::StandardPixmap> fileButtons[] = {
        {"New", QStyle::SP_FileIcon}, {"Open", QStyle::SP_DialogOpenButton},
        {"Save", QStyle::SP_DialogSaveButton}, {"Save as...", QStyle::SP_DriveFDIcon}};
    for (const auto &[caption, icon] : fileButtons)
        fileToolBar->addAction(style->standardIcon(icon), QString::fromLatin1(caption));
    fileToolBar->setEnabled(false);
}

void TDeviceCommands::ConfirmAndSend(const QString &question, int varNumber)
{
    if (TOperatorPrompt::ConfirmOkCancel(m_window, question))
        m_context.Driver.SendVar(varNumber, 1);
}

std::array<QString, 3> TDeviceCommands::LockCaptions(uint16_t lock)
{
    const bool menuLocked = (lock & 1) != 0;
    const bool inputLocked = (lock & 2) != 0;
    return {QStringLiteral("All     : ") + LockWord(menuLocked && inputLocked),
            QStringLiteral("Menu: ") + LockWord(menuLocked), QStringLiteral("Input: ") + LockWord(inputLocked)};
}

void TDeviceCommands::ShowLock()
{
    const auto captions = LockCaptions(m_context.Driver.GetVar(LOCK));
    for (size_t i = 0; i < m_lockItems.size(); ++i)
        m_lockItems[i]->setText(captions[i]);
}

void TDeviceCommands::ShowStandbyMode()
{
    const uint16_t mode = m_context.Driver.GetVar(STDBYMODE);
    if (mode >= m_modeItems.size())
        return;
    for (size_t i = 0; i < m_modeItems.size(); ++i)
        m_modeItems[i]->setChecked(i == mode);
}

void TDeviceCommands::ShowStandbyTime()
{
    const uint16_t position = m_context.Driver.GetVar(STDBYTIME);
    for (size_t i = 0; i < m_timeItems.size(); ++i)
        m_timeItems[i]->setChecked(i == position);
}
