#pragma once
// What the image settings page shows for a device value and what it sends
// for the operator's text, one unit per kind of row. Plain functions of their
// arguments (no widgets, no shared conversion), so that every edge can be
// checked in a table.
#include "CommonUpdate.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace ImageConversions {

enum class TUnit
{
    Percent,      // 0 to 100 over the device range: "50%"
    Tenths,       // gamma, in tenths: "0.5", "1.0", "4.0"; takes no entry
    Steps,        // the flicker filter's 0 to 7 over the device range: "3"
    Plain,        // the device value itself (clock, phase): "1344"
    Microseconds, // H. phase: hundredths of a microsecond over the bar: "-3.4µs"
    Degrees,      // sub-carrier phase, -180 to 180: "0°"
    Lines,        // vertical offset, -5 to 5: "5Lines"
};

// A device range and the caption range it is shown on.
struct TScale
{
    int DeviceMin = 0;
    int DeviceMax = 0;
    int CaptionMin = 0;
    int CaptionMax = 0;
};

// The caption range a unit shows a device range on. Microseconds take the
// display limits the common update decides: see PhaseScale.
TScale ScaleOf(TUnit unit, int deviceMin, int deviceMax);
// The H. phase bar's scroll range over its display limits.
TScale PhaseScale(const TPhaseRange &range);

// The caption of a device value, rounded towards minus infinity. A value
// outside the device range extrapolates.
int CaptionOf(const TScale &scale, int value);
// The device value of a caption: clamped to the caption range first, then
// rounded to the nearest integer, halves to even. Computed in 64 bits: the
// H. phase range's product overflows 32.
int DeviceOf(const TScale &scale, int64_t caption);

// The text of the row's field for a device value.
QString DisplayText(TUnit unit, const TScale &scale, int value, const QLocale &locale = QLocale());
// The value to send for what the operator typed, or nothing. The unit's
// first occurrence is removed and the rest must be a whole number (a decimal
// in any locale is not one). A plain entry must lie in the device range; the
// other units clamp the caption to their range. Tenths take no entry.
std::optional<int> EntryValue(TUnit unit, const TScale &scale, const QString &text);

// The unit's suffix in the field ("%", "µs", "°", "Lines"; empty for the
// others).
QString UnitSuffix(TUnit unit);
// A whole number in decimal with an optional sign, blanks around it allowed;
// nothing for anything else, a group separator included.
std::optional<int64_t> ReadWhole(const QString &text);
// Gamma in tenths with one decimal: 5 shows "0.5", 10 "1.0", 23 "2.3".
QString GammaText(int value, const QLocale &locale = QLocale());

} // namespace ImageConversions
