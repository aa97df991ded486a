#pragma once
#include "transfer/ThreadFrame.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// One way into the simulated device: a TCP port, a UDP port, a
// pseudo-terminal or a serial device.
class SimEndpoint : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The line speed of a picture transfer, the one the application switches to.
    static constexpr int TransferBaud = int(TThreadFrame::TransferBaudRate);

    // False with a one-line reason (a port in use, a device missing).
    virtual bool Open(QString *error) = 0;
    // Sends to the connected peer; without one the bytes are lost, as on a
    // line nobody listens to.
    virtual void Send(const QByteArray &bytes) = 0;
    // Ends the current connection, where the transport has one.
    virtual void DropClient() {}
    // A picture transfer runs at 115200 baud where the line has a speed.
    virtual void SetTransferSpeed(bool /*transfer*/) {}
    // "tcp 127.0.0.1:10500", for the start-up message.
    virtual QString Description() const = 0;

protected:
    // "cannot listen on TCP 127.0.0.1:10500: address in use"
    static QString PortError(const char *what, const QString &address, quint16 port, const QString &reason)
    {
        return QStringLiteral("cannot %1 %2:%3: %4").arg(QLatin1String(what), address).arg(port).arg(reason);
    }

signals:
    void Received(const QByteArray &bytes);
    // A new peer replaced the old one, or the peer left: whatever was half
    // received from the old one must not mix with the new one's bytes.
    void PeerChanged();
};
