#pragma once
#include "MainContext.h"

#include <QObject>
#include <array>
#include <functional>

class QAbstractButton;
class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;
class TLcdBrightnessPopup;

// The menus and tool bars of the main window. The device commands (auto
// set-up, key locking, stand-by, LCD brightness, erasing, default values,
// freeze) write one variable each; their checks and captions follow the
// device's reports only. The other commands open windows, through the
// callbacks the main window gives.
class TDeviceCommands : public QObject
{
    Q_OBJECT
public:
    struct TWindowCommands
    {
        std::function<void()> Customize;
        std::function<void()> EdidDvi;
        std::function<void()> LanSetup;
        std::function<void()> ConnectionSetup;
        std::function<void()> OpenFile;
        std::function<void()> SaveFile;
        std::function<void()> SaveFileAs;
        std::function<void()> Exit;
        std::function<void()> About;
    };

    TDeviceCommands(const TMainContext &context, QWidget *window, QMenuBar *menuBar, QToolBar *toolBar,
                    QToolBar *fileToolBar, QAbstractButton *freezeButton, const TWindowCommands &commands);

    QAction *AboutAction() const { return m_about; }
    QAction *LanSetupAction() const { return m_lanSetup; }
    QMenu *StandbyTimeMenu() const { return m_timeMenu; }
    TLcdBrightnessPopup *LcdPopup() const { return m_lcdPopup; }

    // Captions "All     : ", "Menu: ", "Input: " followed by "Locked" or "Unlock".
    static std::array<QString, 3> LockCaptions(uint16_t lock);

private:
    QAction *AddCommand(QMenu *menu, const QString &name, const QString &caption, std::function<void()> run);
    QAction *AddChoice(QMenu *menu, const QString &name, const QString &caption, std::function<void()> run);
    void BuildControlMenu(QMenuBar *menuBar, const TWindowCommands &commands);
    QMenu *BuildStandbyMenu(QWidget *parent);
    QMenu *BuildLockMenu(QWidget *parent);
    void BuildToolBar(QToolBar *toolBar, QToolBar *fileToolBar);
    void ConfirmAndSend(const QString &question, int varNumber);
    void ShowLock();
    void ShowStandbyMode();
    void ShowStandbyTime();

    TMainContext m_context;
    QWidget *m_window;
    QMenu *m_standbyMenu = nullptr;
    QMenu *m_lockMenu = nullptr;
    QMenu *m_timeMenu = nullptr;
    std::array<QAction *, 3> m_lockItems{};
    std::array<QAction *, 3> m_modeItems{};
    std::array<QAction *, 8> m_timeItems{};
    QAction *m_connectionSetup = nullptr;
    QAction *m_eraseAll = nullptr;
    QAction *m_defaults = nullptr;
    QAction *m_about = nullptr;
    QAction *m_lanSetup = nullptr;
    TLcdBrightnessPopup *m_lcdPopup;
};
