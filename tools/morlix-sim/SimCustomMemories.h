#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// The device's eight custom output timings as it stores them: each a name
// and the timing's fields (the editing mode, the CVT parameters and the full
// timing; the totals are computed, not stored). In the state file a memory's
// fields are lines "OCMEMORY[3].OCFULL_HSYNC=136" and its name's codes
// "OCMEMORY[3].OCNAME[0]=65".
class SimCustomMemories
{
public:
    static constexpr int Count = 8;
    // Positions 0 to 11 of OCNAMEINDEX: eleven characters and an end code.
    static constexpr int NamePositions = 12;
    static constexpr int MaxNameLength = 11;
    // The variables a memory holds, in the order they are loaded.
    static const std::array<int, 19> &Fields();

    struct TMemory
    {
        std::array<uint16_t, 19> Values{};
        std::array<uint8_t, NamePositions> Name{};
        bool operator==(const TMemory &other) const { return Values == other.Values && Name == other.Name; }
    };

    SimCustomMemories() { Reset(); }
    // Every memory back to the table defaults of its fields and no name.
    void Reset();
    void Reset(int memory);

    // Memory 0 to 7 (others are taken as the nearest, as the device clamps).
    TMemory &Memory(int memory);
    const TMemory &Memory(int memory) const;
    // The name's length: up to the first end code, at most MaxNameLength.
    static int NameLength(const TMemory &memory);

    QStringList Lines() const;
    static bool IsMemoryLine(const QString &line);
    // One state file line; false with a reason for a bad one.
    bool ApplyLine(const QString &line, QString *error);

    bool operator==(const SimCustomMemories &other) const { return m_memories == other.m_memories; }

private:
    std::array<TMemory, Count> m_memories{};
};
