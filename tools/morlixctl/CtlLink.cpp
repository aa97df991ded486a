#include "CtlLink.h"
#include "variables/VariableTable.h"

#include <QEventLoop>
#include <QTimer>

namespace {
// The device is found by its first answer; a query it missed is asked again
// within a fraction of a second rather than after the application's four.
constexpr int PollIntervalMs = 50;
constexpr int ReconnectDelayMs = 250;
} // namespace

TCtlLink::TCtlLink(const TCtlOptions &options)
    : m_options(options),
      m_driver(PollIntervalMs, ReconnectDelayMs),
      m_lastReported(VarTableSize, 0),
      m_storedCount(VarTableSize, 0)
{
    connect(&m_driver, &TComDriver::OnBeforeVarChange, this, &TCtlLink::onReport);
}

void TCtlLink::onReport(int varNumber, quint16 value)
{
    m_lastReported[size_t(varNumber)] = value;
    if (m_driver.GetVariable(varNumber)->Accepts(value))
        ++m_storedCount[size_t(varNumber)];
    else
        m_refused = std::make_pair(varNumber, value);
    if (varNumber != DIESE)
        return;
    if (value == 1)
        m_resendStarted = true;
    else if (m_resendStarted)
        m_resendDone = true;
}

bool TCtlLink::Connect(bool fullResend)
{
    m_driver.SetQueryAllVarsOnConnect(fullResend);
    m_driver.SetIPRemoteAddress(m_options.Host);
    m_driver.SetIPRemotePort(m_options.RemotePort);
    m_driver.SetIPLocalPort(m_options.LocalPort);
    m_driver.SetPort(m_options.SerialDevice);
    m_driver.SetBaudRate(m_options.BaudRate);
    m_driver.SetConType(m_options.ConType);
    if (!m_driver.Open()) {
        m_lastError = QStringLiteral("cannot open %1").arg(m_options.LinkName());
        return false;
    }
    const bool found = waitUntil([&] { return m_driver.Connected() && (!fullResend || m_resendDone); });
    m_driver.SetForceConnection(true);
    return found;
}

int TCtlLink::CurrentElement(int varNumber) const
{
    const int indexVar = VarTable[varNumber].IndexVar;
    return indexVar == NoVar ? 0 : m_driver.GetVar(indexVar);
}

std::optional<uint16_t> TCtlLink::exchange(int varNumber, const std::function<void()> &send)
{
    const quint64 before = m_storedCount[size_t(varNumber)];
    m_refused.reset();
    send();
    if (!waitUntil([&] { return m_storedCount[size_t(varNumber)] > before; })) {
        if (m_refused && m_refused->first == varNumber) {
            const TVariable *variable = m_driver.GetVariable(varNumber);
            m_lastError = QStringLiteral("no valid report of %1 from %2 within %3 ms: it came as %4, outside %5..%6")
                              .arg(variable->Name, m_options.LinkName())
                              .arg(m_options.TimeoutMs)
                              .arg(m_refused->second)
                              .arg(variable->Min)
                              .arg(variable->Max);
        }
        return std::nullopt;
    }
    return m_lastReported[size_t(varNumber)];
}

std::optional<uint16_t> TCtlLink::selectElement(const TVariableAddress &address)
{
    const int indexVar = VarTable[address.VarNumber].IndexVar;
    if (indexVar == NoVar)
        return 0;
    if (!address.HasElement())
        return Read({indexVar, -1});
    return Write({indexVar, -1}, uint16_t(address.Element));
}

std::optional<uint16_t> TCtlLink::Read(const TVariableAddress &address)
{
    if (!selectElement(address))
        return std::nullopt;
    const QString mnemonic = QLatin1String(VarTable[address.VarNumber].SendMnemonic);
    return exchange(address.VarNumber, [&] { m_driver.SendText(mnemonic); });
}

std::optional<uint16_t> TCtlLink::Write(const TVariableAddress &address, uint16_t value)
{
    if (!selectElement(address))
        return std::nullopt;
    return exchange(address.VarNumber, [&] { m_driver.SendVar(address.VarNumber, value); });
}

bool TCtlLink::waitUntil(const std::function<bool()> &done)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer silence;
    silence.setSingleShot(true);
    silence.setInterval(m_options.TimeoutMs);
    bool timedOut = false;
    connect(&silence, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    connect(&m_driver, &TComDriver::OnRecString, &silence, qOverload<>(&QTimer::start));
    connect(&m_driver, &TComDriver::OnVarReceived, &loop, check);
    connect(&m_driver, &TComDriver::OnConnectedChange, &loop, check);
    silence.start();
    loop.exec();
    if (timedOut)
        m_lastError = QStringLiteral("no reply from %1 within %2 ms").arg(m_options.LinkName()).arg(m_options.TimeoutMs);
    return !timedOut;
}

void TCtlLink::Listen()
{
    QEventLoop loop;
    QTimer::singleShot(m_options.TimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
}

void TCtlLink::ListenForever()
{
    QEventLoop loop;
    loop.exec();
}
