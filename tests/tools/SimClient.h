#pragma once
// A plain TCP client standing in for the application: it collects every byte
// the simulator sends.
#include <QTcpSocket>
#include <QtTest>

class SimClient
{
public:
    explicit SimClient(quint16 port)
    {
        QObject::connect(&Socket, &QTcpSocket::readyRead, [this] { Received += Socket.readAll(); });
        Socket.connectToHost(QHostAddress::LocalHost, port);
    }

    bool WaitConnected() { return Socket.waitForConnected(5000); }

    void Send(const QByteArray &bytes)
    {
        Socket.write(bytes);
        Socket.flush();
    }

    QTcpSocket Socket;
    QByteArray Received;
};
