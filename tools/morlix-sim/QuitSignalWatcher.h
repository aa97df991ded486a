#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <memory>

// Turns SIGINT and SIGTERM into a Qt signal on the event loop, so that the
// simulator leaves through its normal path and saves its state.
class QuitSignalWatcher : public QObject
{
    Q_OBJECT
public:
    explicit QuitSignalWatcher(QObject *parent = nullptr);
    ~QuitSignalWatcher() override;

signals:
    void QuitRequested();

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};
