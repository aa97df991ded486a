#include "ComPort2.h"

#include <QSerialPortInfo>
#include <termios.h>

namespace {

QSerialPort::Parity toQt(TParity parity)
{
    switch (parity) {
    case ptODD: return QSerialPort::OddParity;
    case ptEVEN: return QSerialPort::EvenParity;
    case ptMARK: return QSerialPort::MarkParity;
    case ptSPACE: return QSerialPort::SpaceParity;
    case ptNONE: break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits toQt(TStopBit stopBits)
{
    switch (stopBits) {
    case sbONE5: return QSerialPort::OneAndHalfStop;
    case snTWO: return QSerialPort::TwoStop;
    case sbONE: break;
    }
    return QSerialPort::OneStop;
}

} // namespace

TComPort2::TComPort2(QObject *parent) : QObject(parent)
{
    connect(&m_serial, &QSerialPort::readyRead, this, &TComPort2::readAvailable);
    connect(&m_serial, &QSerialPort::errorOccurred, this, &TComPort2::onError);
}

TComPort2::~TComPort2()
{
    Close();
}

QStringList TComPort2::AvailablePorts()
{
    QStringList ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        QSerialPort probe(info);
        if (probe.open(QIODevice::ReadWrite)) {
            probe.close();
            ports << info.systemLocation();
        }
    }
    return ports;
}

void TComPort2::Open()
{
    if (Opened())
        return;
    m_serial.setPortName(m_port);
    if (!m_serial.open(QIODevice::ReadWrite))
        throw EComError(("TCOMPORT : cannot open " + m_port + "\r\n" + m_serial.errorString()).toStdString());
    m_lost = false;
    applyLineSettings();
    m_terminated.Clear();
    emit OnPortOpen();
}

void TComPort2::Close()
{
    m_lost = false;
    if (!Opened())
        return;
    m_serial.close();
    emit OnPortClose();
}

void TComPort2::Purge(bool keepOutput)
{
    if (!Opened())
        return;
    if (keepOutput) {
        m_serial.flush();
        // Until the last byte is on the line (on a pseudo-terminal: with
        // the far end), so that nothing written is discarded.
        ::tcdrain(m_serial.handle());
    }
    m_serial.clear(keepOutput ? QSerialPort::Input : QSerialPort::AllDirections);
    // Pseudo-terminals have no modem lines; the refusal is harmless.
    m_serial.setDataTerminalReady(false);
    m_serial.setRequestToSend(false);
    m_serial.clearError();
}

void TComPort2::Send(const QByteArray &data)
{
    if (!Opened())
        return;
    m_serial.write(data);
    // Out now, not at the event loop's next turn: the device may be waiting
    // for just these bytes. What the system cannot take yet still goes later.
    m_serial.flush();
}

void TComPort2::SetBaud(uint32_t baud)
{
    m_baud = baud;
    if (Opened())
        applyLineSettings();
}

void TComPort2::applyLineSettings()
{
    m_serial.setBaudRate(qint32(m_baud));
    m_serial.setDataBits(QSerialPort::DataBits(m_dataBits));
    m_serial.setParity(toQt(m_parity));
    m_serial.setStopBits(toQt(m_stopBits));
    m_serial.setFlowControl(QSerialPort::NoFlowControl);
    m_serial.clearError();
}

void TComPort2::onError(QSerialPort::SerialPortError error)
{
    // A resource error is the system saying the device is gone: reads and
    // writes can only fail from now on.
    if (error != QSerialPort::ResourceError || !Opened() || m_lost)
        return;
    m_lost = true;
    m_serial.clearError();
    // Not closed inside the port's own notification: its notifiers go with it.
    QMetaObject::invokeMethod(this, &TComPort2::closeLostPort, Qt::QueuedConnection);
}

void TComPort2::closeLostPort()
{
    // Closed, or closed and opened again, since the error: nothing is lost.
    if (!m_lost)
        return;
    Close();
    emit OnPortLost();
}

void TComPort2::readAvailable()
{
    const QByteArray chunk = m_serial.readAll();
    if (chunk.isEmpty() || !Opened() || !m_receiveCallBack)
        return;
    if (m_receiveMode == rmRAW) {
        m_receiveCallBack(chunk);
    } else if (const std::optional<QByteArray> piece = m_terminated.Feed(chunk)) {
        m_receiveCallBack(*piece);
    }
}
