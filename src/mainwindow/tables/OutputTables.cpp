#include "OutputTables.h"

#include <array>
#include <initializer_list>
#include <iterator>

namespace OutputTables {

namespace {

const TItemEntry ReferenceEntries[] = {
    {"Internal Reference", 0},
    {"Follow / Frame Lock : Input 1", 1},
    {"Follow / Frame Lock : Input 2", 2},
    {"Follow / Frame Lock : Input 3", 3},
    {"Follow / Frame Lock : Input Aux", 4},
    {"Follow / Frame Lock : Genlock", 5},
    {"Follow / Frame Lock : Genlock H&&V", 6},
    {"Error", 7},
};

const TItemEntry FormatEntries[] = {
    {"SDTV PAL", 2},
    {"SDTV NTSC", 1},
    {"EDTV 480p", 3},
    {"EDTV 576p", 4},
    {"HDTV 720p SMPTE296M", 5},
    {"HDTV 1035i SMPTE260M", 6},
    {"HDTV 1080i SMPTE274M", 7},
    {"HDTV 1080p SMPTE274M", 8},
    {"HDTV 1080sF SMPTE274M", 9},
    {"Computer 640 x 480       4/3", 10},
    {"Computer 848 x 480       16/9", 11},
    {"Computer 800 x 600       4/3", 12},
    {"Computer 1024 x 768      4/3", 14},
    {"Computer 1360 x 768      16/9", 15},
    {"Computer 1280 x 800      16/9", 16},
    {"Computer 1280 x 1024     5/4", 18},
    {"Computer 1400 x 1050     4/3", 19},
    {"Computer 1680 x 1050     16/9", 20},
    {"Computer 1600 x 1200     4/3", 22},
    {"Computer 1920 x 1200     16/10", 23},
    {"Computer 2048 x 1080     19/10 RB", 24},
    {"Computer 1280 x 720      16/9", 13},
    {"Computer 1920 x 1080     16/9", 21},
    {"Computer 1920 x 1080 B", 26},
    {"Computer 1920 x 1080 HD", 25},
    {"Computer 1920 x 1080 C", 27},
    {"Computer 1440 x 900      16/10", 17},
    {"Computer Custom 1:", 28},
    {"Computer Custom 2:", 29},
    {"Computer Custom 3:", 30},
    {"Computer Custom 4:", 31},
    {"Computer Custom 5:", 32},
    {"Computer Custom 6:", 33},
    {"Computer Custom 7:", 34},
    {"Computer Custom 8:", 35},
};

constexpr uint16_t Bits(std::initializer_list<int> bits)
{
    uint16_t mask = 0;
    for (int bit : bits)
        mask = uint16_t(mask | (1u << bit));
    return mask;
}
constexpr uint16_t Span(int first, int last)
{
    uint16_t mask = 0;
    for (int bit = first; bit <= last; ++bit)
        mask = uint16_t(mask | (1u << bit));
    return mask;
}

using TV = TTvStandard;
constexpr uint8_t VideoAnalog = uint8_t(Bits({0, 1, 3}));
constexpr uint8_t VideoDigital = uint8_t(Bits({1, 2}));
constexpr uint8_t ComputerAnalog = uint8_t(Span(0, 2));
constexpr uint8_t WideAnalog = uint8_t(Span(0, 3));
constexpr uint8_t ComputerDigital = uint8_t(Bits({0, 1}));
constexpr uint16_t ComputerRates = Bits({6, 8, 9, 10});
constexpr uint16_t LargeComputerRates = Bits({6, 8});

// Position = OFORMAT. Columns: rates, analog types, DVI types, TV standard,
// interlaced, burst pattern, custom, wide screen.
const TOutputFormat FormatRows[FormatCount] = {
    {Bits({6}), VideoAnalog, 0, TV::SD, true, false, false, false},            // 0 SDTV PAL
    {Bits({7}), VideoAnalog, 0, TV::SD, true, false, false, false},            // 1 SDTV NTSC
    {Bits({7}), VideoAnalog, VideoDigital, TV::None, false, true, false, true}, // 2 480p
    {Bits({6}), VideoAnalog, VideoDigital, TV::None, false, true, false, true}, // 3 576p
    {Span(6, 8), VideoAnalog, VideoDigital, TV::HD, false, true, false, true},  // 4 720p
    {Bits({7, 8}), VideoAnalog, VideoDigital, TV::HD, true, true, false, true}, // 5 1035i
    {Span(6, 8), VideoAnalog, VideoDigital, TV::HD, true, true, false, true},   // 6 1080i
    {Span(1, 5), VideoAnalog, VideoDigital, TV::HD, false, true, false, true},  // 7 1080p
    {Span(6, 8), VideoAnalog, VideoDigital, TV::HD, true, true, false, true},   // 8 1080sF
    {ComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, false},      // 9 640 x 480
    {ComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, true},       // 10 848 x 480
    {ComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, false},      // 11 800 x 600
    {ComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, false},      // 12 1024 x 768
    {ComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, true},       // 13 1360 x 768
    {ComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, true},       // 14 1280 x 800
    {ComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, false},      // 15 1280 x 1024
    {ComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, false},      // 16 1400 x 1050
    {LargeComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, true},  // 17 1680 x 1050
    {LargeComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, false}, // 18 1600 x 1200
    {LargeComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, true},  // 19 1920 x 1200
    {LargeComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, true},  // 20 2048 x 1080
    {ComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, true},       // 21 1280 x 720
    {LargeComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, true},  // 22 1920 x 1080
    {LargeComputerRates, WideAnalog, ComputerDigital, TV::None, false, true, false, true},      // 23 1920 x 1080 B
    {LargeComputerRates, WideAnalog, ComputerDigital, TV::None, false, true, false, true},      // 24 1920 x 1080 HD
    {LargeComputerRates, WideAnalog, ComputerDigital, TV::None, false, true, false, true},      // 25 1920 x 1080 C
    {ComputerRates, ComputerAnalog, ComputerDigital, TV::None, false, true, false, true},       // 26 1440 x 900
    {Span(1, 10), ComputerAnalog, ComputerDigital, TV::None, false, true, true, false},         // 27 Custom 1
    {Span(1, 10), ComputerAnalog, ComputerDigital, TV::None, false, true, true, false},         // 28 Custom 2
    {Span(1, 10), ComputerAnalog, ComputerDigital, TV::None, false, true, true, false},         // 29 Custom 3
    {Span(1, 10), ComputerAnalog, ComputerDigital, TV::None, false, true, true, false},         // 30 Custom 4
    {Span(1, 10), ComputerAnalog, ComputerDigital, TV::None, false, true, true, false},         // 31 Custom 5
    {Span(1, 10), ComputerAnalog, ComputerDigital, TV::None, false, true, true, false},         // 32 Custom 6
    {Span(1, 10), ComputerAnalog, ComputerDigital, TV::None, false, true, true, false},         // 33 Custom 7
    {Span(1, 10), ComputerAnalog, ComputerDigital, TV::None, false, true, true, false},         // 34 Custom 8
};
static_assert(std::size(FormatRows) == std::size(FormatEntries));

// The selector's items in their on-screen order, made from the names.
std::array<TItemEntry, FormatCount + 1> MakeFormatItems()
{
    std::array<TItemEntry, FormatCount + 1> items{};
    items[0] = {"Genlock", GenlockItemValue};
    for (int format = 0; format < FormatCount; ++format) {
        const TItemEntry &name = FormatEntries[format];
        items[name.Value] = {name.Caption, uint16_t(format)};
    }
    return items;
}
const std::array<TItemEntry, FormatCount + 1> FormatItemEntries = MakeFormatItems();

const TItemEntry RateEntries[] = {
    // "Custom" is never offered: every format hides it.
    {"Custom", 0},
    {"23,97 Hz", 1},
    {"24 Hz", 2},
    {"25 Hz", 3},
    {"29,97 Hz", 4},
    {"30 Hz", 5},
    {"50 Hz", 6},
    {"59,94 Hz", 7},
    {"60 Hz", 8},
    {"72 Hz", 9},
    {"75 Hz", 10},
    {"Follow / Frame Lock : Input 1", 1},
    {"Follow / Frame Lock : Input 2", 2},
    {"Follow / Frame Lock : Input 3", 3},
    {"Follow / Frame Lock : Input Aux", 4},
    {"Follow / Frame Lock : Genlock", 5},
};

const TItemEntry AnalogTypeEntries[] = {{"RGBS", 0}, {"RGsB (SOG)", 1}, {"RGB HV", 2}, {"YUV", 3}};
const TItemEntry DigitalTypeEntries[] = {{"YUV", 2}, {"RGB 0/255", 0}, {"RGB 16/235", 1}};
const TItemEntry PatternEntries[] = {
    {"OFF", 0},       {"Centering", 6}, {"Grid", 3},        {"Grey Scale", 1}, {"Color Bar", 2},
    {"SMPTE", 4},     {"Burst", 5},     {"Cross Hatch", 7}, {"Color", 8},
};
const TItemEntry AspectEntries[] = {{"1:1", 0}, {"Full Screen", 1}, {"Crop", 2}};
const TItemEntry OverScanEntries[] = {{"Under scan", 0}, {"Over scan", 1}};
const TItemEntry PedestalEntries[] = {{"NTSC PEDESTAL: Inactive", 0}, {"NTSC PEDESTAL: Active", 1}};

} // namespace

const TItemTable ReferenceCaptions(ReferenceEntries);
const TItemTable FormatNames(FormatEntries);
const TItemTable FormatItems(FormatItemEntries.data(), int(FormatItemEntries.size()));
const TItemTable RateItems(RateEntries);
const TItemTable AnalogTypes(AnalogTypeEntries);
const TItemTable DigitalTypes(DigitalTypeEntries);
const TItemTable Patterns(PatternEntries);
const TItemTable Aspects(AspectEntries);
const TItemTable OverScans(OverScanEntries);
const TItemTable PedestalCaptions(PedestalEntries);

const TOutputFormat *Format(uint16_t format)
{
    return format < FormatCount ? &FormatRows[format] : nullptr;
}

bool IsCustomFormat(uint16_t format)
{
    return format >= FirstCustomFormat && format <= LastCustomFormat;
}

int CustomIndexOf(uint16_t format)
{
    return IsCustomFormat(format) ? format - FirstCustomFormat : -1;
}

QString FormatItemHint(int item)
{
    const std::optional<uint16_t> format = FormatItems.ValueAt(item);
    if (format && IsCustomFormat(*format))
        return QStringLiteral("Select: Left Click, Rename: Right Click");
    return FormatItems.PlainCaptionAt(item);
}

bool IsReferenceRateItem(int item)
{
    return item >= FirstReferenceRateItem && item < RateItems.Count();
}

int RateItemOfReference(uint16_t reference)
{
    const int item = FirstReferenceRateItem - 1 + reference;
    return reference >= 1 && IsReferenceRateItem(item) ? item : -1;
}

bool RateOffered(uint16_t format, uint16_t rate)
{
    const TOutputFormat *row = Format(format);
    return row && BitIsSet(row->Rates, rate);
}

bool AnalogTypeOffered(uint16_t format, uint16_t type)
{
    const TOutputFormat *row = Format(format);
    return row && BitIsSet(row->AnalogTypes, type);
}

bool DigitalTypeOffered(uint16_t format, uint16_t type)
{
    const TOutputFormat *row = Format(format);
    return row && BitIsSet(row->DigitalTypes, type);
}

bool PatternHasSettings(uint16_t pattern)
{
    return pattern == CrossHatchPattern || pattern == ColorPattern;
}

} // namespace OutputTables
