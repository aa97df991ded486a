#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <memory>

// Turns a POSIX signal into a Qt signal on the event loop. The handler only
// writes a byte into a socket pair, the one thing it may safely do; the
// work happens on the event loop. One notifier per signal number at a time.
class TSignalNotifier : public QObject
{
    Q_OBJECT
public:
    explicit TSignalNotifier(int signalNumber, QObject *parent = nullptr);
    ~TSignalNotifier() override;

signals:
    void Raised();

private:
    int m_signal;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
