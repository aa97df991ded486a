#include "InputClasses.h"

#include <iterator>

namespace InputClasses {

namespace {

constexpr TFormatClass NoSignal{false, false, false};
constexpr TFormatClass Interlaced{true, false, false};
constexpr TFormatClass Progressive{true, true, false};
constexpr TFormatClass Computer{false, false, true};

// Position = INAME.
const TFormatClass FormatClasses[] = {
    NoSignal,    NoSignal,    NoSignal,                                            // 0 to 2
    Interlaced,  Interlaced,  Interlaced, Interlaced, Interlaced, Interlaced,     // 3 to 8 (SD)
    Progressive, Progressive, Progressive,                                         // 9 to 11
    Interlaced,  Interlaced,                                                       // 12, 13
    Progressive,                                                                   // 14
    Interlaced,                                                                    // 15
    Computer, Computer, Computer, Computer, Computer, Computer, Computer, Computer, Computer, // 16 to 24
    Computer, Computer, Computer, Computer, Computer, Computer, Computer, Computer, Computer, // 25 to 33
};
static_assert(std::size(FormatClasses) == 34);

// The sync load column is InputTables::TypeHasSyncLoad.
constexpr TTypeClass Video{false, false, true, false};
constexpr TTypeClass AnalogComputer{true, true, false, true};
constexpr TTypeClass DviComputer{false, false, false, true};
constexpr TTypeClass AudioOnly{false, false, false, false};

// Position = ITYPE.
const TTypeClass TypeClasses[] = {
    Video,          Video,          Video,          Video, Video, // 0 to 4
    AnalogComputer, AnalogComputer, AnalogComputer,               // 5 to 7
    Video,          Video,                                           // 8, 9 (DVI video)
    DviComputer,    DviComputer,                                     // 10, 11
    Video,                                                           // 12 (SDI)
    AudioOnly,                                                       // 13
};
static_assert(std::size(TypeClasses) == 14);

} // namespace

TFormatClass OfFormat(uint16_t detectedFormat)
{
    return detectedFormat < std::size(FormatClasses) ? FormatClasses[detectedFormat] : NoSignal;
}

TTypeClass OfType(uint16_t type)
{
    return type < std::size(TypeClasses) ? TypeClasses[type] : AudioOnly;
}

bool TypeSkipsPulldown(uint16_t type)
{
    return type >= 5 && type <= 11;
}

bool TypeIsDvi(uint16_t type)
{
    return type >= 8 && type <= 11;
}

bool IsWideScreenFormat(uint16_t detectedFormat)
{
    return detectedFormat == 9 || (detectedFormat >= 11 && detectedFormat <= 15)
           || (detectedFormat >= 24 && detectedFormat <= 32);
}

} // namespace InputClasses
