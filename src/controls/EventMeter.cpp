#include "EventMeter.h"

#include <algorithm>

TEventMeter::TEventMeter(int axisCount, TAdvance advance, int capacity)
    : m_axisCount(std::clamp(axisCount, 1, MaxAxes)), m_advance(advance), m_capacity(size_t(std::max(capacity, 1)))
{
}

bool TEventMeter::Push(const TValues &values)
{
    if (m_values.empty()) {
        m_values.push_back(values);
        m_read.fill(1);
        m_acknowledged.fill(false);
        return true;
    }
    if (m_values.size() < m_capacity)
        m_values.push_back(values);
    else
        m_values.back() = values;
    return false;
}

bool TEventMeter::AllRead() const
{
    for (int axis = 0; axis < m_axisCount; ++axis) {
        if (m_read[size_t(axis)] < Count())
            return false;
    }
    return true;
}

std::optional<uint32_t> TEventMeter::Release(int axis)
{
    if (m_values.empty() || axis < 0 || axis >= m_axisCount)
        return std::nullopt;
    if (AllRead()) {
        m_values.clear();
        return std::nullopt;
    }
    int &read = m_read[size_t(axis)];
    if (!m_acknowledged[size_t(axis)] || read >= Count())
        return std::nullopt;
    const uint32_t value = m_values[size_t(read)][size_t(axis)];
    m_acknowledged[size_t(axis)] = false;
    read += m_advance == HalfOfWaiting ? (Count() - read + 1) / 2 : 1;
    return value;
}
