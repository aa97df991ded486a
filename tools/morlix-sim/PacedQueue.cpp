#include "PacedQueue.h"

#include <algorithm>
#include <chrono>

namespace {
constexpr qint64 NsPerMs = 1000000;
} // namespace

PacedQueue::PacedQueue(QObject *parent) : QObject(parent)
{
    connect(&m_alarm, &PreciseAlarm::Rang, this, &PacedQueue::Pump);
}

qint64 PacedQueue::NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void PacedQueue::SetLatency(int milliseconds)
{
    m_latency = std::max(0, milliseconds);
}

void PacedQueue::SetBytesPerSecond(int bytesPerSecond)
{
    m_bytesPerSecond = std::max(0, bytesPerSecond);
}

void PacedQueue::Clear()
{
    m_items.clear();
    m_alarm.Cancel();
    m_lineFreeAtNs = 0;
}

void PacedQueue::Push(const QByteArray &bytes, bool closeAfter, qint64 sentAtNs)
{
    qint64 due = (sentAtNs < 0 ? NowNs() : sentAtNs) + m_latency * NsPerMs;
    if (m_bytesPerSecond > 0) {
        const qint64 start = std::max(due, m_lineFreeAtNs);
        due = start + qint64(double(bytes.size()) * 1e9 / m_bytesPerSecond);
        m_lineFreeAtNs = due;
    }
    m_items.enqueue(Item{bytes, closeAfter, due});
    Pump();
}

void PacedQueue::Pump()
{
    while (!m_items.isEmpty()) {
        const qint64 wait = m_items.head().DueNs - NowNs();
        if (wait > 0) {
            if (!m_alarm.IsSet())
                m_alarm.RingIn(wait);
            return;
        }
        const Item item = m_items.dequeue();
        m_deliveringDueNs = item.DueNs;
        if (!item.Bytes.isEmpty())
            emit Deliver(item.Bytes);
        m_deliveringDueNs = -1;
        if (item.CloseAfter)
            emit CloseRequested();
    }
}
