#include "TcpEndpoint.h"
#include "SimLog.h"

TcpEndpoint::TcpEndpoint(const QHostAddress &address, quint16 port, QObject *parent)
    : SimEndpoint(parent), m_address(address), m_port(port)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TcpEndpoint::OnNewConnection);
}

bool TcpEndpoint::Open(QString *error)
{
    if (m_server.listen(m_address, m_port))
        return true;
    if (error)
        *error = PortError("listen on TCP", m_address.toString(), m_port, m_server.errorString());
    return false;
}

QString TcpEndpoint::Description() const
{
    return QStringLiteral("tcp %1:%2").arg(m_address.toString()).arg(Port());
}

void TcpEndpoint::OnNewConnection()
{
    while (QTcpSocket *incoming = m_server.nextPendingConnection()) {
        DropClient();
        m_client = incoming;
        connect(incoming, &QTcpSocket::readyRead, this, [this, incoming] {
            if (incoming == m_client)
                emit Received(incoming->readAll());
        });
        connect(incoming, &QObject::destroyed, this, [this, incoming] {
            if (incoming == m_client)
                m_client = nullptr;
        });
        const QByteArray peer = QStringLiteral("%1:%2").arg(incoming->peerAddress().toString()).arg(incoming->peerPort()).toLatin1();
        connect(incoming, &QTcpSocket::disconnected, this, [this, incoming, peer] {
            SimLog::Write(QStringLiteral("tcp"), "--", peer);
            incoming->deleteLater();
            if (incoming == m_client)
                emit PeerChanged();
        });
        SimLog::Write(QStringLiteral("tcp"), "++", peer);
        emit PeerChanged();
    }
}

void TcpEndpoint::Send(const QByteArray &bytes)
{
    if (m_client && m_client->state() == QAbstractSocket::ConnectedState) {
        m_client->write(bytes);
        // Now, not at the event loop's next turn: the application's wait for
        // an answer must not include the simulator's.
        m_client->flush();
    }
}

void TcpEndpoint::DropClient()
{
    if (!m_client)
        return;
    QTcpSocket *old = m_client;
    m_client = nullptr;
    // Let what was written leave before the connection closes.
    old->disconnectFromHost();
}
