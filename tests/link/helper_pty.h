#pragma once
// A pseudo-terminal pair standing in for a serial line: the driver opens the
// slave by its path, the test plays the device on the master.
#include <QByteArray>
#include <QString>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

class PtyPair
{
public:
    PtyPair()
    {
        int slave = -1;
        char name[256] = {};
        if (openpty(&m_master, &slave, name, nullptr, nullptr) == 0) {
            m_slavePath = QString::fromLocal8Bit(name);
            ::close(slave); // the port under test opens it by name
            fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
        }
    }
    ~PtyPair() { hangUp(); }
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return m_master >= 0; }
    // The far end goes away, as when a USB adapter is unplugged.
    void hangUp()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }
    QString slavePath() const { return m_slavePath; }
    void write(const QByteArray &data) { (void)!::write(m_master, data.constData(), size_t(data.size())); }
    // Everything the port has written so far, gathered across calls.
    QByteArray received()
    {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(m_master, buffer, sizeof buffer)) > 0)
            m_received.append(buffer, n);
        return m_received;
    }

private:
    int m_master = -1;
    QString m_slavePath;
    QByteArray m_received;
};
