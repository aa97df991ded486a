#pragma once
#include "PreciseAlarm.h"

#include <QByteArray>
#include <QObject>
#include <QQueue>

// Holds bytes back the way a slow or distant line would: each push is
// delivered whole once its last byte would have crossed the line, after the
// latency, one push after the other at bytes-per-second. With neither set, a
// push is delivered at once. Used in both directions, so the device also
// takes in commands at the line's pace.
//
// The line keeps its own clock in nanoseconds: a delivery the alarm makes a
// little late does not shift the ones after it, and each push is delivered
// when its last byte would arrive, to the microsecond, never early and never
// at a rounded millisecond. An answer is put on the line at the moment the
// bytes it answers arrived by the line's clock, however late the simulator
// got to them: a transfer's exchange of records and acknowledgements then
// takes the line's time, and what it takes beyond that is the application's.
class PacedQueue : public QObject
{
    Q_OBJECT
public:
    explicit PacedQueue(QObject *parent = nullptr);

    // The line's clock: nanoseconds of the system's monotonic clock.
    static qint64 NowNs();

    void SetLatency(int milliseconds);
    void SetBytesPerSecond(int bytesPerSecond); // 0: unlimited
    // closeAfter: ask for the connection to close once these bytes are out.
    // sentAtNs: when the bytes go on the line (NowNs() when negative).
    void Push(const QByteArray &bytes, bool closeAfter = false, qint64 sentAtNs = -1);
    void Clear();
    bool IsEmpty() const { return m_items.isEmpty(); }
    // While Deliver runs: when those bytes were due; negative otherwise.
    qint64 DeliveringDueNs() const { return m_deliveringDueNs; }

signals:
    void Deliver(const QByteArray &bytes);
    void CloseRequested();

private:
    struct Item
    {
        QByteArray Bytes;
        bool CloseAfter = false;
        qint64 DueNs = 0;
    };

    void Pump();

    QQueue<Item> m_items;
    PreciseAlarm m_alarm;
    int m_latency = 0;
    int m_bytesPerSecond = 0;
    qint64 m_lineFreeAtNs = 0;
    qint64 m_deliveringDueNs = -1;
};
