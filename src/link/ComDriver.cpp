#include "ComDriver.h"

#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QUdpSocket>

TComDriver::TComDriver(int pollIntervalMs, int reconnectDelayMs, QObject *parent)
    : QObject(parent), m_udp(new QUdpSocket(this)), m_reconnectDelayMs(reconnectDelayMs)
{
    m_serial.SetReceiveMode(rmRAW);
    m_serial.SetReceiveCallBack([this](const QByteArray &chunk) { onSerialData(chunk); });
    m_serial.SetBaud(m_baudRate);
    m_serial.SetPort(m_port);
    connect(&m_serial, &TComPort2::OnPortLost, this, &TComDriver::onSerialLost);
    m_serialReopenTimer.setInterval(DefaultSerialReopenMs);
    connect(&m_serialReopenTimer, &QTimer::timeout, this, &TComDriver::reopenLostSerial);
    connect(m_udp, &QUdpSocket::readyRead, this, &TComDriver::onUdpReadyRead);
    replaceTcpClient();
    m_pollTimer.setInterval(pollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &TComDriver::PollTick);
}

TComDriver::~TComDriver()
{
    m_pollTimer.stop();
    closeSerial();
    closeUdp();
    if (m_tcp) {
        m_tcp->disconnect(this);
        m_tcp->abort();
    }
}

// ---------------------------------------------------------------- open/close

bool TComDriver::Open()
{
    bool opened = false;
    switch (m_conType) {
    case ctRS232:
        opened = openSerial();
        break;
    case ctUDP:
        opened = openUdp();
        break;
    case ctTCP:
        // The poll timer follows the outcome of the attempt, not its start.
        return startTcpConnection();
    case ctNONE:
        Close();
        return false;
    }
    if (opened)
        startWatch();
    else
        m_pollTimer.stop();
    return opened;
}

void TComDriver::Close()
{
    switch (m_conType) {
    case ctRS232: closeSerial(); break;
    case ctUDP: closeUdp(); break;
    case ctTCP: closeTcp(); break;
    case ctNONE:
        closeSerial();
        closeUdp();
        closeTcp();
        break;
    }
    // A reconnection must not outlive the link it was meant for, and a port
    // the operator closed stays closed.
    m_reconnectPending = false;
    m_serialReopenTimer.stop();
    m_pollTimer.stop();
}

bool TComDriver::Opened() const
{
    switch (m_conType) {
    case ctRS232: return m_serial.Opened();
    case ctUDP: return m_udp->state() == QAbstractSocket::BoundState;
    case ctTCP: return m_tcp && m_tcp->state() == QAbstractSocket::ConnectedState;
    case ctNONE: break;
    }
    return false;
}

bool TComDriver::openSerial()
{
    // No port chosen yet: nothing to open, and nothing is sent either.
    if (m_port.isEmpty())
        return true;
    try {
        m_serial.Open();
        m_serial.Purge();
    } catch (const EComError &) {
        return false;
    }
    return true;
}

bool TComDriver::openUdp()
{
    if (m_udp->state() == QAbstractSocket::BoundState)
        return true;
    if (m_udp->bind(QHostAddress::AnyIPv4, quint16(m_ipLocalPort)))
        return true;
    m_udp->abort();
    return false;
}

bool TComDriver::startTcpConnection()
{
    if (m_tcpConnecting || m_tcp->state() == QAbstractSocket::ConnectedState)
        return true;
    m_tcpConnecting = true;
    // Failures, even immediate ones, come back as errors and lead to a retry.
    m_tcp->connectToHost(m_ipRemoteAddress, quint16(m_ipRemotePort));
    return true;
}

void TComDriver::closeSerial()
{
    if (!m_serial.Opened())
        return;
    // What was written still goes out: a speed change right after a
    // transfer's last record must not throw that record away.
    m_serial.Purge(true);
    m_serial.Close();
}

void TComDriver::closeUdp()
{
    m_udp->abort();
}

void TComDriver::closeTcp()
{
    m_tcpConnecting = false;
    if (m_tcp->state() != QAbstractSocket::UnconnectedState)
        replaceTcpClient();
}

// A socket that failed or was closed is never reused: its late signals could
// otherwise be taken for those of the next connection.
void TComDriver::replaceTcpClient()
{
    if (m_tcp) {
        m_tcp->disconnect(this);
        m_tcp->abort();
        m_tcp->deleteLater();
    }
    m_tcp = new QTcpSocket(this);
    connect(m_tcp, &QTcpSocket::readyRead, this, &TComDriver::onTcpReadyRead);
    connect(m_tcp, &QTcpSocket::connected, this, &TComDriver::onTcpConnected);
    connect(m_tcp, &QTcpSocket::errorOccurred, this, &TComDriver::onTcpFailure);
    // The device hanging up is as much a loss as a socket error.
    connect(m_tcp, &QTcpSocket::disconnected, this, &TComDriver::onTcpFailure);
}

// ---------------------------------------------------------------- properties

int TComDriver::currentScope() const
{
    switch (m_conType) {
    case ctRS232: return reopenSerial;
    case ctUDP: return reopenUdp;
    case ctTCP: return reopenTcp;
    case ctNONE: break;
    }
    return 0;
}

bool TComDriver::linkInUse() const
{
    return Opened() || (m_conType == ctTCP && (m_tcpConnecting || m_reconnectPending))
           || (m_conType == ctRS232 && AwaitingSerialPort());
}

template <typename Apply>
void TComDriver::reopenAround(int scope, Apply apply)
{
    const bool reopen = (scope & currentScope()) && linkInUse();
    const bool awaitingPort = AwaitingSerialPort();
    const QString port = m_port;
    if (reopen)
        Close();
    apply();
    if (!reopen)
        return;
    Open();
    // A new speed for a port that is still away: it is still waited for.
    // Another port or link type is the operator's new choice, opened once.
    if (awaitingPort && !Opened() && m_conType == ctRS232 && m_port == port)
        m_serialReopenTimer.start();
}

void TComDriver::SetPort(const QString &port)
{
    reopenAround(reopenSerial, [&] {
        m_port = port;
        m_serial.SetPort(port);
    });
}

uint32_t TComDriver::BaudRate() const
{
    return onDriverThread([this] { return m_baudRate; });
}

void TComDriver::SetBaudRate(uint32_t baud)
{
    onDriverThread([this, baud] {
        reopenAround(reopenSerial, [&] {
            m_baudRate = baud;
            m_serial.SetBaud(baud);
        });
    });
}

void TComDriver::SetConType(TConnectionType type)
{
    reopenAround(reopenAny, [&] {
        m_conType = type;
        emit OnConTypeChange();
    });
}

TConnectionMode TComDriver::ConMode() const
{
    return onDriverThread([this] { return m_conMode; });
}

void TComDriver::SetConMode(TConnectionMode mode)
{
    onDriverThread([this, mode] {
        m_conMode = mode;
        emit OnConModeChange();
    });
}

void TComDriver::SetIPLocalPort(int port)
{
    reopenAround(reopenUdp, [&] {
        m_ipLocalPort = port;
        emit OnIPLocalPortChange();
    });
}

void TComDriver::SetIPRemotePort(int port)
{
    reopenAround(reopenUdp | reopenTcp, [&] {
        m_ipRemotePort = port;
        emit OnIPRemotePortChange();
    });
}

void TComDriver::SetIPRemoteAddress(const QString &address)
{
    reopenAround(reopenUdp | reopenTcp, [&] {
        m_ipRemoteAddress = address;
        emit OnIPRemoteAddressChange();
    });
}

void TComDriver::SetForceConnection(bool force)
{
    m_forceConnection = force;
    if (force)
        m_connected = true;
}

TComDriver::TRecStringHandler TComDriver::SetRecStringHandler(TRecStringHandler handler)
{
    return onDriverThread([this, &handler] {
        std::swap(m_recStringHandler, handler);
        return handler;
    });
}

void TComDriver::FireRecString()
{
    if (!m_recStringHandler) {
        emit OnRecString();
        return;
    }
    // A copy: the handler may replace itself while it runs.
    const TRecStringHandler handler = m_recStringHandler;
    handler();
}

// ---------------------------------------------------------------- variables

TVariable *TComDriver::GetVariable(int varNumber) const
{
    if (varNumber < 0 || size_t(varNumber) >= m_variables.size())
        throw TMorlixError("Variable index out of bounds.");
    return m_variables[size_t(varNumber)].get();
}

void TComDriver::SetVarElement(int varNumber, int32_t index, uint16_t value)
{
    GetVariable(varNumber)->SetElement(index, value);
}

uint16_t TComDriver::GetVarElement(int varNumber, int32_t index) const
{
    return GetVariable(varNumber)->GetElement(index);
}

// ---------------------------------------------------------------- sending

void TComDriver::SendText(const QString &text)
{
    if (!Opened())
        return;
    const QByteArray bytes = text.toLatin1();
    switch (m_conType) {
    case ctRS232:
        m_serial.Send(bytes);
        break;
    case ctUDP:
        m_udp->writeDatagram(bytes, QHostAddress(m_ipRemoteAddress), quint16(m_ipRemotePort));
        break;
    case ctTCP:
        // The socket keeps what it cannot write at once: long texts go whole.
        // The rest goes now rather than at the event loop's next turn.
        m_tcp->write(bytes);
        m_tcp->flush();
        break;
    case ctNONE:
        break;
    }
}

void TComDriver::sendInRawMode(const QString &text)
{
    if (m_conMode == cmRAW)
        SendText(text);
}

void TComDriver::SendRawText(const QString &text)
{
    onDriverThread([this, &text] { sendInRawMode(text); });
}

void TComDriver::PostRawText(const QString &text)
{
    if (QThread::currentThread() == thread())
        sendInRawMode(text);
    else
        QMetaObject::invokeMethod(this, [this, text] { sendInRawMode(text); }, Qt::QueuedConnection);
}

QString TComDriver::TakeReceivedText()
{
    return onDriverThread([this] {
        if (m_conMode != cmRAW)
            return QString();
        const QString text = QString::fromLatin1(m_accumulator);
        m_accumulator.clear();
        return text;
    });
}

// ---------------------------------------------------------------- receiving

void TComDriver::ReceiveChunk(const QByteArray &chunk)
{
    m_accumulator += chunk;
    if (m_conMode == cmVAR)
        ParseReceived();
    else
        FireRecString();
}

void TComDriver::onSerialData(const QByteArray &chunk)
{
    if (m_conType == ctRS232)
        ReceiveChunk(chunk);
}

void TComDriver::onUdpReadyRead()
{
    while (m_udp->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_udp->receiveDatagram(TransferBufferSize);
        if (m_conType != ctUDP)
            continue;
        if (datagram.senderAddress().toString() != m_ipRemoteAddress
            || datagram.senderPort() != m_ipRemotePort)
            continue;
        if (!datagram.data().isEmpty())
            ReceiveChunk(datagram.data());
    }
}

void TComDriver::onTcpReadyRead()
{
    // Read everything now: the socket announces only new data, so whatever
    // were left behind would wait for the device's next reply.
    QPointer<QTcpSocket> client = m_tcp;
    while (client && client == m_tcp && client->bytesAvailable() > 0) {
        const QByteArray chunk = client->read(TransferBufferSize);
        if (m_conType == ctTCP && !chunk.isEmpty())
            ReceiveChunk(chunk);
    }
}

void TComDriver::onTcpConnected()
{
    m_tcpConnecting = false;
    m_reconnectPending = false;
    startWatch();
}

void TComDriver::onTcpFailure()
{
    replaceTcpClient();
    m_tcpConnecting = false;
    m_reconnectPending = true;
    m_reconnectDeadline.setRemainingTime(m_reconnectDelayMs);
    m_pollTimer.start();
    // What the device reports while the connection is down never arrives:
    // found again, it must resend everything.
    loseDevice();
}

void TComDriver::onSerialLost()
{
    if (m_conType != ctRS232)
        return;
    m_pollTimer.stop();
    m_serialReopenTimer.start();
    loseDevice();
}

void TComDriver::loseDevice()
{
    // Nothing can reach the device now: the operator must see it as gone,
    // and the watch finds it again, with a full resend, once the link is back.
    m_pollState = 0;
    m_connected = m_forceConnection;
    if (m_previousPresence) {
        m_previousPresence = false;
        emit OnConnectedChange();
    }
}

void TComDriver::reopenLostSerial()
{
    if (m_conType != ctRS232) {
        m_serialReopenTimer.stop();
        return;
    }
    if (openSerial() && Opened())
        startWatch();
}

// ---------------------------------------------------------------- device watch

void TComDriver::startWatch()
{
    m_serialReopenTimer.stop();
    m_pollTimer.start();
    if (!Opened() || m_forceConnection || m_reconnectPending || !InVarMode())
        return;
    m_pollState = 0;
    advancePollState();
}

void TComDriver::ReplyHandled()
{
    // Only a query's answer counts, and only while the device is looked for.
    const bool searching = !m_previousPresence && m_pollState >= 1 && m_pollState <= 3;
    if (searching && !m_forceConnection && Opened() && IsDevicePresent())
        settlePresence(true);
}

void TComDriver::RestartPollTimer()
{
    // Never wakes a watch that Close stopped.
    if (m_pollTimer.isActive())
        m_pollTimer.start();
}

void TComDriver::PollTick()
{
    if (m_reconnectPending) {
        if (m_reconnectDeadline.hasExpired()) {
            m_reconnectPending = false;
            if (m_conType == ctTCP)
                startTcpConnection();
        }
        return;
    }
    if (!Opened() || m_forceConnection)
        return;
    advancePollState();
}

void TComDriver::advancePollState()
{
    switch (m_pollState) {
    case 0:
        QueryDeviceType();
        m_pollState = 1;
        break;
    case 1:
    case 2:
        // A device that was there gets two more chances before it is lost.
        if (!IsDevicePresent() && m_previousPresence)
            QueryDeviceType();
        ++m_pollState;
        break;
    case 3:
        settlePresence(IsDevicePresent());
        break;
    default:
        if (IsAllVarsReceived())
            m_pollState = 0;
        break;
    }
}

void TComDriver::settlePresence(bool present)
{
    m_connected = present;
    m_pollState = 0;
    if (present == m_previousPresence)
        return;
    m_previousPresence = present;
    if (!present) {
        SignalDeviceLost();
    } else if (m_queryAllVarsOnConnect) {
        RequestAllVars();
        m_pollState = 4;
    }
    emit OnConnectedChange();
}
