#pragma once
// A loopback TCP port that refuses connections and that nobody else can take.
//
// Asking the system for a free port and closing it again leaves the port open
// to whatever runs beside the test (another test's server, the ephemeral port
// of a client), which then answers where a refusal was expected. A socket that
// is bound but not listening keeps the port and refuses every connection; it
// can start listening later, for the tests that want the device to appear.
#include <QTcpServer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class TReservedTcpPort
{
public:
    TReservedTcpPort()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        if (m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) == 0
            && ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~TReservedTcpPort()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TReservedTcpPort(const TReservedTcpPort &) = delete;
    TReservedTcpPort &operator=(const TReservedTcpPort &) = delete;

    quint16 Port() const { return m_port; }

    // Starts accepting on the reserved port; the server owns the socket from then on.
    bool ListenWith(QTcpServer &server)
    {
        if (m_fd < 0 || ::listen(m_fd, 8) != 0 || !server.setSocketDescriptor(m_fd))
            return false;
        m_fd = -1;
        return true;
    }

private:
    int m_fd = -1;
    quint16 m_port = 0;
};
