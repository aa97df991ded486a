#include "PtyEndpoint.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PtyEndpoint::PtyEndpoint(const QString &linkPath, QObject *parent) : SimEndpoint(parent), m_linkPath(linkPath) {}

PtyEndpoint::~PtyEndpoint()
{
    Close();
}

bool PtyEndpoint::Open(QString *error)
{
    auto fail = [&](const QString &what) {
        if (error)
            *error = QStringLiteral("cannot create the pseudo-terminal %1: %2 (%3)")
                         .arg(m_linkPath, what, QString::fromLocal8Bit(std::strerror(errno)));
        Close();
        return false;
    };
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return fail(QStringLiteral("posix_openpt"));
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail(QStringLiteral("grantpt"));
    char name[256] = {};
    if (ptsname_r(m_master, name, sizeof name) != 0)
        return fail(QStringLiteral("ptsname"));
    m_terminalName = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return fail(QStringLiteral("open ") + m_terminalName);
    termios mode{};
    if (tcgetattr(m_slave, &mode) == 0) {
        cfmakeraw(&mode);
        tcsetattr(m_slave, TCSANOW, &mode);
    }
    // Replace a link left by an earlier run, but never a real file.
    const QFileInfo existing(m_linkPath);
    if (existing.isSymLink())
        QFile::remove(m_linkPath);
    else if (existing.exists()) {
        errno = EEXIST;
        return fail(QStringLiteral("the path exists and is not a link"));
    }
    if (::symlink(name, QFile::encodeName(m_linkPath).constData()) != 0)
        return fail(QStringLiteral("symlink"));

    m_readNotifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_readNotifier.get(), &QSocketNotifier::activated, this, &PtyEndpoint::OnReadable);
    m_writeNotifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Write);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier.get(), &QSocketNotifier::activated, this, &PtyEndpoint::OnWritable);
    return true;
}

QString PtyEndpoint::Description() const
{
    return QStringLiteral("pty %1 -> %2").arg(m_linkPath, m_terminalName);
}

void PtyEndpoint::OnReadable()
{
    char buffer[4096];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count > 0)
        emit Received(QByteArray(buffer, int(count)));
}

void PtyEndpoint::Send(const QByteArray &bytes)
{
    m_pending += bytes;
    OnWritable();
}

void PtyEndpoint::OnWritable()
{
    while (!m_pending.isEmpty() && m_master >= 0) {
        const ssize_t written = ::write(m_master, m_pending.constData(), size_t(m_pending.size()));
        if (written <= 0)
            break;
        m_pending.remove(0, int(written));
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_pending.isEmpty());
}

void PtyEndpoint::Close()
{
    m_readNotifier.reset();
    m_writeNotifier.reset();
    if (!m_terminalName.isEmpty() && QFileInfo(m_linkPath).isSymLink()
        && QFileInfo(m_linkPath).symLinkTarget() == m_terminalName)
        QFile::remove(m_linkPath);
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}
