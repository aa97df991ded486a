#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <memory>

// A one-shot wake-up on the event loop at a moment given to the microsecond,
// which a millisecond timer cannot give: a paced line's short messages (an
// acknowledgement at 115200 baud takes a quarter of a millisecond) must
// arrive when their last byte would, not at the next whole millisecond.
class PreciseAlarm : public QObject
{
    Q_OBJECT
public:
    explicit PreciseAlarm(QObject *parent = nullptr);
    ~PreciseAlarm() override;

    // Replaces any alarm set before; 0 or less rings at the next turn.
    void RingIn(qint64 nanoseconds);
    void Cancel();
    bool IsSet() const { return m_set; }

signals:
    void Rang();

private:
    void OnReadable();

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_set = false;
};
