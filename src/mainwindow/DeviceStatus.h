#pragma once
#include "MainContext.h"

#include <QObject>
#include <functional>

class QAction;
class QWidget;
class TConTypeCfgForm;
class TForm_About;
class TMainStatusBar;
class TOperationPanel;
class TUpdatePanel;

// What the main window shows of the device as a whole: its identity in the
// captions, the program's and the device's versions, the firmware checksums
// and options, the release check, long operations and the status ticker.
class TDeviceStatus : public QObject
{
    Q_OBJECT
public:
    struct TViews
    {
        QWidget *MainWindow;
        QAction *AboutAction;
        QAction *LanSetupAction;
        TForm_About *About;
        TMainStatusBar *StatusBar;
        TOperationPanel *Operation;
        TUpdatePanel *Update;
        TConTypeCfgForm *ConnectionDialog;
        // Re-evaluates the dependent controls of every page.
        std::function<void()> CommonUpdate;
    };

    TDeviceStatus(const TMainContext &context, const TViews &views, QObject *parent = nullptr);

    // Names the device in the captions; called when DEV changes.
    void Identify(uint16_t deviceType);
    bool Identified() const { return m_identified; }
    void UpdateProgramVersion();
    QString ComposeTickerText() const;

signals:
    // After the captions have been updated, for the pages that depend on the device type.
    void DeviceIdentified(uint16_t deviceType);

private:
    void ShowChecksum(int varNumber, const QString &label);
    void ShowOptions();
    void CheckRelease();
    void ShowOperation();

    TMainContext m_context;
    TViews m_views;
    bool m_identified = false;
};
