#include "SimPicture.h"
#include "SimDeviceState.h"
#include "variables/VariableTable.h"

namespace SimPicture {

namespace {

// Total pixels per line of each detected format (INAME 0 to 33): the
// broadcast formats' sampling at their standard rates, the computer formats'
// VESA totals; 0 where there is nothing to sample.
const uint16_t TotalPixels[] = {
    0,    0,    0,    // no signal, invalid, out of range
    858,  864,  864,  864, 858, 864, // NTSC, PAL, SECAM, SDTV BW, 480i, 576i
    858,  864,  1650, 2200, 2200, 2200, 2750, // 480p, 576p, 720p, 1035i, 1080i, 1080p, 1080sf
    800,  1056, 1344, 1800, 1688, 1800, 1864, 2160, // VGA to UXGA
    1088, 1650, 1664, 1792, 1680, 2240, 2200, 2592, 1904, 2800, // WVGA to 2K
};
static_assert(sizeof(TotalPixels) / sizeof(TotalPixels[0]) == 34, "one total per detected format");

// The converter samples up to a quarter more pixels than the format holds.
uint16_t MostPixels(uint16_t total)
{
    return uint16_t(total + total / 4);
}

uint16_t TotalOf(int format)
{
    return format >= 0 && format < int(sizeof(TotalPixels) / sizeof(TotalPixels[0])) ? TotalPixels[format] : 0;
}

constexpr uint16_t Middle = 1024;

} // namespace

std::vector<TValue> ClockOf(int format)
{
    const uint16_t total = TotalOf(format);
    if (total == 0)
        return {};
    return {{RHTOTALMAXI, MostPixels(total)}, {RHTOTAL, total}};
}

std::vector<TValue> AutoCentred(const SimDeviceState &state)
{
    const int input = state.Value(ICH);
    const int format = state.Value(INAME, input);
    if (TotalOf(format) == 0)
        return {};
    return {{HPOS, uint16_t(Middle + 2 + format % 5)}, {VPOS, uint16_t(Middle - 1 - format % 3)}};
}

} // namespace SimPicture
