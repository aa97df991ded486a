#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QTimer>

// Holds bytes back the way a slow or distant line would: each push is
// delivered after the latency, and at most bytes-per-second bytes leave per
// second. With neither set, a push is delivered at once. Used in both
// directions, so the device also takes in commands at the line's pace.
class PacedQueue : public QObject
{
    Q_OBJECT
public:
    explicit PacedQueue(QObject *parent = nullptr);

    void SetLatency(int milliseconds);
    void SetBytesPerSecond(int bytesPerSecond); // 0: unlimited
    // closeAfter: ask for the connection to close once these bytes are out.
    void Push(const QByteArray &bytes, bool closeAfter = false);
    void Clear();
    bool IsEmpty() const { return m_items.isEmpty(); }

signals:
    void Deliver(const QByteArray &bytes);
    void CloseRequested();

private:
    struct Item
    {
        QByteArray Bytes;
        bool CloseAfter = false;
        qint64 Due = 0;
    };

    void Pump();
    void Refill(qint64 now);
    void ScheduleIn(qint64 milliseconds);

    QQueue<Item> m_items;
    QElapsedTimer m_clock;
    QTimer m_timer;
    int m_latency = 0;
    int m_bytesPerSecond = 0;
    double m_allowance = 0;
    qint64 m_lastRefill = 0;
};
