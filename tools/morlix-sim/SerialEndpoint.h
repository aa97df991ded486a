#pragma once
#include "SimEndpoint.h"

#include <QSerialPort>

// A real serial device, for a null-modem cable to the application's machine.
class SerialEndpoint : public SimEndpoint
{
    Q_OBJECT
public:
    SerialEndpoint(const QString &device, int baudRate, QObject *parent = nullptr);

    bool Open(QString *error) override;
    void Send(const QByteArray &bytes) override;
    void SetTransferSpeed(bool transfer) override;
    QString Description() const override;

private:
    QString m_device;
    int m_baudRate;
    QSerialPort m_port;
};
