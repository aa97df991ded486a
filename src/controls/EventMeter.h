#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Meters out the values a drag produces so that the device link carries one
// value per axis at a time: the first value of a sequence goes out at once,
// later ones wait until the owner acknowledges the previous one (by assigning
// the device's answer back). A position queue jumps over half of the values
// still waiting at each release, so a long drag catches up quickly while
// intermediate positions still reach the device; a size queue releases them
// one by one.
class TEventMeter
{
public:
    enum TAdvance { OneByOne, HalfOfWaiting };
    static constexpr int MaxAxes = 2;
    static constexpr int DefaultCapacity = 65536;
    using TValues = std::array<uint32_t, MaxAxes>;

    TEventMeter(int axisCount, TAdvance advance, int capacity = DefaultCapacity);

    bool IsEmpty() const { return m_values.empty(); }
    int Count() const { return int(m_values.size()); }
    int ReadPosition(int axis) const { return m_read[size_t(axis)]; }

    // Queues one value per axis. Returns true when this starts a new sequence:
    // the values go out at once and count as sent. A full queue keeps its
    // newest entry up to date instead of growing, so the end of a drag is
    // never lost.
    bool Push(const TValues &values);

    void Acknowledge(int axis) { m_acknowledged[size_t(axis)] = true; }

    // The release step of one axis, run on every acknowledgement: the next
    // value to send, if that axis has been answered and one is waiting. A
    // queue whose values have all gone out becomes empty.
    std::optional<uint32_t> Release(int axis);

private:
    bool AllRead() const;

    int m_axisCount;
    TAdvance m_advance;
    size_t m_capacity;
    std::vector<TValues> m_values;
    std::array<int, MaxAxes> m_read{1, 1};
    std::array<bool, MaxAxes> m_acknowledged{true, true};
};
