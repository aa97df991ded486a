#include "PreciseAlarm.h"

#include <algorithm>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {
constexpr qint64 NsPerSecond = 1000000000;
}

PreciseAlarm::PreciseAlarm(QObject *parent) : QObject(parent)
{
    m_fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &PreciseAlarm::OnReadable);
}

PreciseAlarm::~PreciseAlarm()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

void PreciseAlarm::RingIn(qint64 nanoseconds)
{
    // A zero time would disarm the timer: the shortest wait stands for "now".
    const qint64 wait = std::max<qint64>(1, nanoseconds);
    itimerspec when{};
    when.it_value.tv_sec = time_t(wait / NsPerSecond);
    when.it_value.tv_nsec = long(wait % NsPerSecond);
    m_set = m_fd >= 0 && timerfd_settime(m_fd, 0, &when, nullptr) == 0;
}

void PreciseAlarm::Cancel()
{
    m_set = false;
    if (m_fd < 0)
        return;
    const itimerspec never{};
    timerfd_settime(m_fd, 0, &never, nullptr);
}

void PreciseAlarm::OnReadable()
{
    uint64_t expirations = 0;
    if (::read(m_fd, &expirations, sizeof expirations) != sizeof expirations || !m_set)
        return;
    m_set = false;
    emit Rang();
}
