#include "PacedQueue.h"

#include <algorithm>
#include <cmath>

namespace {
// How often a throttled queue wakes up; the allowance never exceeds what
// this much time earns, so an idle line does not build up a burst.
constexpr int ThrottleTickMs = 10;
} // namespace

PacedQueue::PacedQueue(QObject *parent) : QObject(parent)
{
    m_clock.start();
    m_timer.setSingleShot(true);
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
}

void PacedQueue::Push(const QByteArray &bytes, bool closeAfter)
{
    m_items.enqueue(Item{bytes, closeAfter, m_clock.elapsed() + m_latency});
    Pump();
}

void PacedQueue::Refill(qint64 now)
{
    const double ceiling = std::max(1.0, m_bytesPerSecond * ThrottleTickMs / 1000.0);
    m_allowance = std::min(ceiling, m_allowance + double(now - m_lastRefill) * m_bytesPerSecond / 1000.0);
    m_lastRefill = now;
}

void PacedQueue::ScheduleIn(qint64 milliseconds)
{
    if (!m_timer.isActive())
        m_timer.start(int(std::max<qint64>(1, milliseconds)));
}

void PacedQueue::Pump()
{
    while (!m_items.isEmpty()) {
        const qint64 now = m_clock.elapsed();
        Item &head = m_items.head();
        if (head.Due > now) {
            ScheduleIn(head.Due - now);
            return;
        }
        QByteArray out;
        if (m_bytesPerSecond == 0) {
            out.swap(head.Bytes);
        } else {
            Refill(now);
            const int count = std::min<int>(int(std::floor(m_allowance)), int(head.Bytes.size()));
            if (count == 0) {
                ScheduleIn(ThrottleTickMs);
                return;
            }
            m_allowance -= count;
            out = head.Bytes.left(count);
            head.Bytes.remove(0, count);
        }
        const bool finished = head.Bytes.isEmpty();
        const bool closeAfter = finished && head.CloseAfter;
        if (finished)
            m_items.dequeue();
        if (!out.isEmpty())
            emit Deliver(out);
        if (closeAfter)
            emit CloseRequested();
    }
}
