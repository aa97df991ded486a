#pragma once
// The nine zoom settings of the device: element 0 of the zoom arrays is the
// zoom in use, elements 1 to 8 are the presets. A plain table of what the
// device reported for each slot, as the configuration sequences use it; the
// main window keeps the live copies and hands a snapshot to a sequence.
#include "variables/VariableTable.h"

#include <array>
#include <bitset>
#include <cstdint>

namespace ZoomSlots {

constexpr int SlotCount = 9;
constexpr int PresetCount = 8;
constexpr int VarCount = 5;
// The order of the file's lines and of every sequence's writes.
constexpr std::array<int, VarCount> Variables{ZMSCALE, ZMHPOS, ZMVPOS, ZMHSIZE, ZMVSIZE};

// The position of a zoom variable in Variables, or -1.
constexpr int PositionOf(int varNumber)
{
    for (int i = 0; i < VarCount; ++i)
        if (Variables[size_t(i)] == varNumber)
            return i;
    return -1;
}

} // namespace ZoomSlots

struct TZoomSlots
{
    // Values[position in ZoomSlots::Variables][slot]
    std::array<std::array<uint16_t, ZoomSlots::SlotCount>, ZoomSlots::VarCount> Values{};
    std::array<std::bitset<ZoomSlots::VarCount>, ZoomSlots::SlotCount> Reported{};

    uint16_t Value(int varNumber, int slot) const
    {
        return Values[size_t(ZoomSlots::PositionOf(varNumber))][size_t(slot)];
    }
    void Set(int varNumber, int slot, uint16_t value, bool reported = true)
    {
        const size_t position = size_t(ZoomSlots::PositionOf(varNumber));
        Values[position][size_t(slot)] = value;
        Reported[size_t(slot)].set(position, reported);
    }
    // Whether the device reported all five values of the slot.
    bool SlotReported(int slot) const { return Reported[size_t(slot)].all(); }
};
