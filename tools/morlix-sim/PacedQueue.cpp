#include "PacedQueue.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr qint64 NsPerMs = 1000000;
} // namespace

PacedQueue::PacedQueue(QObject *parent) : QObject(parent)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PacedQueue::Pump);
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
    m_timer.stop();
    m_lineFreeAtNs = 0;
}

void PacedQueue::Push(const QByteArray &bytes, bool closeAfter)
{
    qint64 due = m_clock.nsecsElapsed() + m_latency * NsPerMs;
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
        const qint64 wait = m_items.head().DueNs - m_clock.nsecsElapsed();
        if (wait > NsPerMs / 2) {
            if (!m_timer.isActive())
                m_timer.start(int(std::max<qint64>(1, std::llround(double(wait) / NsPerMs))));
            return;
        }
        const Item item = m_items.dequeue();
        if (!item.Bytes.isEmpty())
            emit Deliver(item.Bytes);
        if (item.CloseAfter)
            emit CloseRequested();
    }
}
