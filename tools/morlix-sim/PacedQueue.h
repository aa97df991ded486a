#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QTimer>

// Holds bytes back the way a slow or distant line would: each push is
// delivered whole once its last byte would have crossed the line, after the
// latency, one push after the other at bytes-per-second. With neither set, a
// push is delivered at once. Used in both directions, so the device also
// takes in commands at the line's pace.
//
// The line keeps its own clock in nanoseconds: a delivery the timer makes a
// little late or early does not shift the ones after it, and deliveries are
// made to the nearest millisecond, so that a long exchange of short messages
// takes the line's time and not a rounded-up multiple of it.
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
        qint64 DueNs = 0;
    };

    void Pump();

    QQueue<Item> m_items;
    QElapsedTimer m_clock;
    QTimer m_timer;
    int m_latency = 0;
    int m_bytesPerSecond = 0;
    qint64 m_lineFreeAtNs = 0;
};
