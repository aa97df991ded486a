#pragma once
// What the device finds in the picture of the active input by itself: the
// sampling clock of a computer source, and the framing "Auto Centering"
// settles on.
#include <cstdint>
#include <vector>

class SimDeviceState;

namespace SimPicture {

struct TValue
{
    int VarNumber;
    uint16_t Value;
};

// The clock the device measures for a detected format (an INAME value), in
// report order: the most total pixels per line it allows (RHTOTALMAXI), then
// the format's total pixels per line (RHTOTAL). Nothing for no signal, an
// invalid signal or one out of range.
std::vector<TValue> ClockOf(int format);

// The position "Auto Centering" finds for the active input's picture
// (HPOS, VPOS): a few pixels off the middle, the same for each format; nothing
// without a measurable signal.
std::vector<TValue> AutoCentred(const SimDeviceState &state);

} // namespace SimPicture
