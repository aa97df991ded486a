#pragma once
// In-process peers playing the device on 127.0.0.1 for the link tests.
#include <QByteArray>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <functional>

// The device's end of a TCP link: accepts connections, keeps what it
// received on the current one and can answer each received piece.
class TcpDevicePeer : public QObject
{
public:
    std::function<void(const QByteArray &)> onData;
    QByteArray received;
    int connections = 0;

    TcpDevicePeer()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *next = server.nextPendingConnection()) {
                client = next;
                ++connections;
                received.clear();
                QObject::connect(next, &QTcpSocket::readyRead, this, [this, next] {
                    const QByteArray data = next->readAll();
                    received += data;
                    if (onData)
                        onData(data);
                });
            }
        });
    }
    int port() const { return server.serverPort(); }
    void send(const QByteArray &data)
    {
        if (client)
            client->write(data);
    }
    void hangUp()
    {
        if (client)
            client->disconnectFromHost();
    }

    QTcpServer server;
    QPointer<QTcpSocket> client;
};

// The device's end of a UDP link, bound to its own port on 127.0.0.1.
class UdpDevicePeer : public QObject
{
public:
    QByteArray received;

    UdpDevicePeer()
    {
        socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&socket, &QUdpSocket::readyRead, this, [this] {
            while (socket.hasPendingDatagrams())
                received += socket.receiveDatagram().data();
        });
    }
    int port() const { return socket.localPort(); }
    void sendTo(int driverPort, const QByteArray &data)
    {
        socket.writeDatagram(data, QHostAddress::LocalHost, quint16(driverPort));
    }

    QUdpSocket socket;
};

// A local port that is free now, for the driver's UDP endpoint.
inline int freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}
