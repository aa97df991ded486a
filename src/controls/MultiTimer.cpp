#include "MultiTimer.h"

TMultiTimer::TMultiTimer(QObject *parent, int baseIntervalMs) : QObject(parent)
{
    m_period.fill(_00250mS);
    m_timer.setInterval(baseIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &TMultiTimer::Tick);
}

void TMultiTimer::SetEnabled(bool enabled)
{
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

void TMultiTimer::Tick()
{
    for (size_t channel = 0; channel < ChannelCount; ++channel) {
        if (m_counter[channel] < uint32_t(m_period[channel])) {
            ++m_counter[channel];
            continue;
        }
        m_counter[channel] = 0;
        if (m_handler[channel])
            m_handler[channel]();
    }
}
