#pragma once
#include "MainContext.h"
#include "link/ComDriver.h"
#include "link/ResendProgress.h"

#include <QObject>
#include <functional>

class TConnectionOverlay;
class TForm_About;
class TMainStatusBar;

// The connection as the operator sees it: the state and icon of the status
// bar, and the overlay that covers the pages until the device has resent all
// its variables. Reports of DEV, DIESE and DOLLAR drive it.
class TConnectionWatch : public QObject
{
    Q_OBJECT
public:
    // identify runs when the reported device type differs from the last one.
    TConnectionWatch(const TMainContext &context, TConnectionOverlay *overlay, TMainStatusBar *statusBar,
                     TForm_About *about, std::function<void(uint16_t deviceType)> identify,
                     QObject *parent = nullptr);

    bool Connected() const { return m_connected; }
    uint16_t LastDeviceType() const { return m_lastDeviceType; }

    // Every 250 ms: the connection state text and icon of the status bar.
    void RefreshIndication();

    static QString CommunicationText(TConnectionType type, const QString &port);

private:
    void OnDeviceType();
    void OnAllVarsResend();

    TMainContext m_context;
    TConnectionOverlay *m_overlay;
    TMainStatusBar *m_statusBar;
    std::function<void(uint16_t)> m_identify;
    TResendProgress m_resend;
    bool m_connected = false;
    uint16_t m_lastDeviceType = 0;
};
