#pragma once
#include "SimEndpoint.h"

#include <QHostAddress>
#include <QUdpSocket>

// A UDP port: every datagram's sender becomes the peer the reports go to.
class UdpEndpoint : public SimEndpoint
{
    Q_OBJECT
public:
    UdpEndpoint(const QHostAddress &address, quint16 port, QObject *parent = nullptr);

    bool Open(QString *error) override;
    void Send(const QByteArray &bytes) override;
    void DropClient() override;
    QString Description() const override;

private:
    void OnReadyRead();

    QHostAddress m_address;
    quint16 m_port;
    QUdpSocket m_socket;
    QHostAddress m_peerAddress;
    quint16 m_peerPort = 0;
};
