#pragma once
#include "SimEndpoint.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

// A TCP port with one client at a time: a new client replaces the old one,
// as the application reconnecting after a network fault expects.
class TcpEndpoint : public SimEndpoint
{
    Q_OBJECT
public:
    TcpEndpoint(const QHostAddress &address, quint16 port, QObject *parent = nullptr);

    bool Open(QString *error) override;
    void Send(const QByteArray &bytes) override;
    void DropClient() override;
    QString Description() const override;

    quint16 Port() const { return m_server.serverPort(); }

private:
    void OnNewConnection();

    QHostAddress m_address;
    quint16 m_port;
    QTcpServer m_server;
    QTcpSocket *m_client = nullptr; // owned by the server; cleared when it goes
};
