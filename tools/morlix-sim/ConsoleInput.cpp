#include "ConsoleInput.h"

#include <unistd.h>

ConsoleInput::ConsoleInput(int fd, QObject *parent) : QObject(parent), m_fd(fd)
{
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &ConsoleInput::OnReadable);
}

void ConsoleInput::OnReadable()
{
    char buffer[1024];
    const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
    if (count <= 0) {
        m_notifier->setEnabled(false);
        if (!m_partial.isEmpty())
            emit LineRead(QString::fromLocal8Bit(m_partial));
        m_partial.clear();
        return;
    }
    m_partial.append(buffer, int(count));
    int end;
    while ((end = m_partial.indexOf('\n')) >= 0) {
        const QByteArray line = m_partial.left(end);
        m_partial.remove(0, end + 1);
        emit LineRead(QString::fromLocal8Bit(line).trimmed());
    }
}
