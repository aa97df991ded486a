#pragma once
#include <QString>
#include <QVector>
#include <cstdint>
#include <optional>

// What the EDID of each known device type can announce: the preferred
// formats and frame rates, and which rates each format allows. Plain data
// with lookups; an unknown device type has empty tables.
namespace EdidTables {

struct TEntry
{
    const char *Caption;
    uint16_t Value;
    bool Enabled;
    bool Visible;
};

struct TDeviceTables
{
    QVector<TEntry> Formats; // EDIDFMT
    QVector<TEntry> Rates;   // EDIDRATE
    // For each format entry, bit r set when the rate value r is allowed.
    QVector<uint8_t> AllowedRates;
};

const TDeviceTables &ForDevice(uint16_t deviceType);

// The EDID source (EDIDSEL): "Local", "Loop".
const QVector<TEntry> &Sources();

// The first position holding the value, -1 when none does.
int PositionOfValue(const QVector<TEntry> &entries, uint16_t value);
// The value at a position; nothing outside the table.
std::optional<uint16_t> ValueAt(const QVector<TEntry> &entries, int position);

// Whether the format (an EDIDFMT value) allows the rate (an EDIDRATE value).
bool RateAllowed(const TDeviceTables &tables, uint16_t format, uint16_t rate);

} // namespace EdidTables
