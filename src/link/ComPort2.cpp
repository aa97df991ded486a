#include "ComPort2.h"

#include <QSerialPortInfo>

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

const char *const IllegalTerminator =
    "Illegal terminator String.\rformat : #<asciicode>#<asciicode>#<...>\rexample: #13#10";

} // namespace

TComPort2::TComPort2(QObject *parent) : QObject(parent)
{
    connect(&m_serial, &QSerialPort::readyRead, this, &TComPort2::readAvailable);
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
    applyLineSettings();
    m_pending.clear();
    emit OnPortOpen();
}

void TComPort2::Close()
{
    if (!Opened())
        return;
    m_serial.close();
    emit OnPortClose();
}

void TComPort2::Purge()
{
    if (!Opened())
        return;
    m_serial.clear(QSerialPort::AllDirections);
    // Pseudo-terminals have no modem lines; the refusal is harmless.
    m_serial.setDataTerminalReady(false);
    m_serial.setRequestToSend(false);
    m_serial.clearError();
}

void TComPort2::Send(const QByteArray &data)
{
    if (Opened())
        m_serial.write(data);
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

QString TComPort2::Terminator() const
{
    QString text;
    for (char c : m_terminator)
        text += '#' + QString::number(uchar(c));
    return text;
}

void TComPort2::SetTerminator(const QString &text)
{
    const QString codes = text.mid(1);
    if (codes.isEmpty())
        throw EComError("Terminator String cannot be empty!");
    QByteArray terminator;
    for (const QString &piece : codes.split('#')) {
        bool ok = false;
        const uint code = piece.toUInt(&ok);
        if (!ok || code > 255) {
            m_terminator = "\r\n";
            throw EComError(IllegalTerminator);
        }
        terminator += char(code);
    }
    m_terminator = terminator;
}

void TComPort2::readAvailable()
{
    const QByteArray chunk = m_serial.readAll();
    if (!chunk.isEmpty() && Opened() && m_receiveCallBack)
        deliver(chunk);
}

void TComPort2::deliver(const QByteArray &chunk)
{
    if (m_receiveMode == rmRAW) {
        m_receiveCallBack(chunk);
        return;
    }
    // One piece per chunk: a second complete piece waits for the next chunk.
    m_pending += chunk;
    const qsizetype end = m_pending.indexOf(m_terminator);
    if (end < 0)
        return;
    const qsizetype length = end + m_terminator.size();
    const QByteArray piece = m_pending.left(length);
    m_pending.remove(0, length);
    m_receiveCallBack(piece);
}
