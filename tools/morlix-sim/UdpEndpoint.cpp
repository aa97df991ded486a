#include "UdpEndpoint.h"

#include <QNetworkDatagram>

UdpEndpoint::UdpEndpoint(const QHostAddress &address, quint16 port, QObject *parent)
    : SimEndpoint(parent), m_address(address), m_port(port)
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &UdpEndpoint::OnReadyRead);
}

bool UdpEndpoint::Open(QString *error)
{
    if (m_socket.bind(m_address, m_port))
        return true;
    if (error)
        *error = PortError("bind UDP", m_address.toString(), m_port, m_socket.errorString());
    return false;
}

QString UdpEndpoint::Description() const
{
    return QStringLiteral("udp %1:%2").arg(m_address.toString()).arg(m_socket.localPort());
}

void UdpEndpoint::OnReadyRead()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        if (!datagram.isValid())
            continue;
        if (datagram.senderAddress() != m_peerAddress || datagram.senderPort() != m_peerPort) {
            m_peerAddress = datagram.senderAddress();
            m_peerPort = quint16(datagram.senderPort());
            emit PeerChanged();
        }
        emit Received(datagram.data());
    }
}

void UdpEndpoint::Send(const QByteArray &bytes)
{
    if (m_peerPort != 0)
        m_socket.writeDatagram(bytes, m_peerAddress, m_peerPort);
}

void UdpEndpoint::DropClient()
{
    m_peerAddress.clear();
    m_peerPort = 0;
    emit PeerChanged();
}
