#pragma once
#include "SimRegisters.h"

#include <QVector>
#include <cstdint>

// The values the simulated device holds: every element of every variable of
// the table. Stores clamp to the variable's range, as the device does.
class SimDeviceState
{
public:
    SimDeviceState();

    // Every variable back to its table default. Defaults are taken as they
    // are, RHTOTAL's out-of-range 0 included: the application must cope.
    void ResetToDefaults();
    void ResetVariable(int varNumber);

    static int ElementCount(int varNumber);
    static bool IsArray(int varNumber);
    static uint16_t Clamp(int varNumber, uint32_t value);

    uint16_t Value(int varNumber, int element = 0) const;
    // Clamps, stores and returns what was stored. An element outside the
    // array is ignored and the current value returned.
    uint16_t Store(int varNumber, int element, uint32_t value);
    // A value from a saved state or the command line: clamped like Store,
    // except the table default, which the device holds from the start even
    // where it lies outside the range (RHTOTAL), so a saved state loads back
    // unchanged.
    uint16_t Restore(int varNumber, int element, uint32_t value);

    // The element the variable's setting index variable selects now (0 for
    // a scalar).
    int CurrentElement(int varNumber) const;

    // DATADBG is not a value of its own: it is the register ADDRDBG points at.
    SimRegisters &Registers() { return m_registers; }
    const SimRegisters &Registers() const { return m_registers; }

    bool operator==(const SimDeviceState &other) const
    {
        return m_values == other.m_values && m_registers == other.m_registers;
    }
    bool operator!=(const SimDeviceState &other) const { return !(*this == other); }

private:
    QVector<QVector<uint16_t>> m_values;
    SimRegisters m_registers;
};
