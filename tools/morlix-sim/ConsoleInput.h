#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <memory>

// Reads the operator's lines from a file descriptor (standard input) without
// blocking the event loop. At end of input it stops listening: a simulator
// started in the background keeps running.
class ConsoleInput : public QObject
{
    Q_OBJECT
public:
    explicit ConsoleInput(int fd, QObject *parent = nullptr);

signals:
    void LineRead(const QString &line);

private:
    void OnReadable();

    int m_fd;
    QByteArray m_partial;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
