#include "SerialEndpoint.h"

SerialEndpoint::SerialEndpoint(const QString &device, int baudRate, QObject *parent)
    : SimEndpoint(parent), m_device(device), m_baudRate(baudRate)
{
    connect(&m_port, &QSerialPort::readyRead, this, [this] { emit Received(m_port.readAll()); });
}

bool SerialEndpoint::Open(QString *error)
{
    // The device's line: 8 data bits, no parity, one stop bit, no flow control.
    m_port.setPortName(m_device);
    m_port.setBaudRate(m_baudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (m_port.open(QIODevice::ReadWrite))
        return true;
    if (error)
        *error = QStringLiteral("cannot open serial device %1: %2").arg(m_device, m_port.errorString());
    return false;
}

void SerialEndpoint::Send(const QByteArray &bytes)
{
    if (m_port.isOpen())
        m_port.write(bytes);
}

void SerialEndpoint::SetTransferSpeed(bool transfer)
{
    m_port.setBaudRate(transfer ? TransferBaud : m_baudRate);
}

QString SerialEndpoint::Description() const
{
    return QStringLiteral("serial %1 at %2 baud").arg(m_device).arg(m_baudRate);
}
