#pragma once
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

class SimDeviceState;

// The device's 64 K registers of 16 bits, seen through the service
// console's window: ADDRDBG points at a register, DATADBG is the register it
// points at, and writing STBDBG, RSBDBG or NTBDBG sets, clears or inverts the
// bits of their mask in it.
class SimRegisters
{
public:
    static constexpr int Count = 65536;

    SimRegisters() : m_values(Count, 0) {}

    uint16_t Read(uint16_t address) const { return m_values[address]; }
    void Write(uint16_t address, uint16_t value) { m_values[address] = value; }

    // After a write of `varNumber` has been stored and reported: applies a
    // mask to the register ADDRDBG points at. True when the register's value
    // is news for the application (a mask changed it, or the pointer moved).
    static bool FollowWrite(SimDeviceState &state, int varNumber);

    // The state file's lines for the registers that are not 0, in address
    // order: "REGISTER[4660]=255".
    QStringList Lines() const;
    static bool IsLine(const QString &line);
    bool ApplyLine(const QString &line, QString *error);

    bool operator==(const SimRegisters &other) const { return m_values == other.m_values; }

private:
    QVector<uint16_t> m_values;
};
