#include "ConnectionWatch.h"

#include "ConnectionOverlay.h"
#include "DeviceIdentity.h"
#include "Form_About.h"
#include "MainStatusBar.h"
#include "link/ComDriverMorlix.h"
#include "variables/MorlixVariables_d.h"

TConnectionWatch::TConnectionWatch(const TMainContext &context, TConnectionOverlay *overlay,
                                   TMainStatusBar *statusBar, TForm_About *about,
                                   std::function<void(uint16_t)> identify, QObject *parent)
    : QObject(parent), m_context(context), m_overlay(overlay), m_statusBar(statusBar),
      m_identify(std::move(identify)), m_resend(context.Driver)
{
    TComDriverMorlix &driver = context.Driver;
    connect(&m_resend, &TResendProgress::Progressed, overlay, &TConnectionOverlay::SetResendProgress);
    connect(&driver, &TComDriver::OnConnectedChange, this, [this, &driver] { m_connected = driver.Connected(); });
    context.Changes.onDEVChange([this] { OnDeviceType(); });
    context.Changes.onDIESEChange([this] { OnAllVarsResend(); });
    // Every report adds a line, the same value included.
    context.Changes.onDOLLARChange([about, &driver] { about->AppendTestCode(QString::number(driver.GetVar(DOLLAR))); });
}

void TConnectionWatch::OnDeviceType()
{
    const uint16_t deviceType = m_context.Driver.GetVar(DEV);
    if (deviceType == m_lastDeviceType)
        return;
    if (m_identify)
        m_identify(deviceType);
    if (DeviceIdentity::IsKnown(deviceType)) {
        m_overlay->SetCaption(QStringLiteral("Connecting to ") + DeviceIdentity::ModelCode(deviceType));
    } else {
        m_overlay->SetCaption(QStringLiteral("Device not connected"));
        m_overlay->ShowWithPicture(false);
    }
    m_lastDeviceType = deviceType;
}

void TConnectionWatch::OnAllVarsResend()
{
    if (m_context.Driver.GetVar(DIESE) == 0)
        m_overlay->hide();
    else
        m_overlay->ShowWithPicture(true);
}

void TConnectionWatch::RefreshIndication()
{
    const bool connected = m_connected && m_context.Driver.ConType() != ctNONE;
    m_statusBar->SetPanelText(TMainStatusBar::ConnectionPanel, connected ? QStringLiteral("Device connected")
                                                                         : QStringLiteral("Device not connected"));
    m_statusBar->SetConnectedIcon(m_connected);
}

QString TConnectionWatch::CommunicationText(TConnectionType type, const QString &port)
{
    switch (type) {
    case ctRS232: return QStringLiteral("Communication : RS-232 (") + port + QLatin1Char(')');
    case ctUDP: return QStringLiteral("Communication : UDP");
    case ctTCP: return QStringLiteral("Communication : TCP-IP");
    case ctNONE: break;
    }
    return QStringLiteral("Communication : NONE");
}
