#include "InputTables.h"

namespace InputTables {

namespace {

const TItemEntry TypeEntries[] = {
    {"SDTV Composite", 0},  {"SDTV Y/C", 1},         {"Video YUV", 4},
    {"Video RGBS", 2},      {"Video RGsB (SOG)", 3}, {"Computer SoG", 5},
    {"Computer HV/C", 6},   {"Computer Black && White", 7}, {"DVI Video RGB", 8},
    {"DVI Video YUV", 9},   {"DVI Comp 0-255", 10},  {"DVI Comp 16-235", 11},
    {"SDI Video", 12},      {"Audio Only", 13},
};

const TItemEntry StandardEntries[] = {
    {"Auto (NTSC without Pedestal)", 0},
    {"Auto (NTSC with Pedestal)", 1},
    {"NTSC J", 2},
    {"NTSC M", 3},
    {"NTSC 4,43", 4},
    {"PAL BGHID", 5},
    {"PAL 60", 6},
    {"PAL N/BGHID", 7},
    {"PAL M Without Pedestal", 8},
    {"PAL M", 9},
    {"PAL Combination N", 10},
    {"PAL Combination N With Pedestal", 11},
    {"SECAM", 12},
    {"SECAM With Pedestal", 13},
    {"Black&&White 50/60Hz with pedestal", 14},
    {"Black&&White 50/60Hz without pedestal", 15},
};

const TItemEntry SyncLoadEntries[] = {{"Hi-Z", 0}, {"75 Ohms", 1}};
const TItemEntry UseEntries[] = {{"Unused", 0}, {"Used", 1}};
const TItemEntry AudioSourceEntries[] = {
    {"No Audio Source", 0}, {"Analog A", 1}, {"Analog B", 2}, {"Analog C", 3},
    {"Analog D", 4},        {"SPDIF", 5},    {"Embedded SDI", 6},
};

const TItemEntry DetectedFormatEntries[] = {
    {"No signal", 0},
    {"Invalid Signal", 1},
    {"Out of range", 2},
    {"NTSC", 3},
    {"PAL", 4},
    {"SECAM", 5},
    {"SDTV BW", 6},
    {"480i", 7},
    {"576i", 8},
    {"480p", 9},
    {"576p", 10},
    {"720p", 11},
    {"1035i", 12},
    {"1080i", 13},
    {"1080p", 14},
    {"1080sf", 15},
    {"640  x 480 ( VGA )", 16},
    {"800  x 600 ( SVGA )", 17},
    {"1024 x 768 ( XGA )", 18},
    {"1280 x 960  (960p RGB)", 19},
    {"1280 x 1024 ( SXGA )", 20},
    {"1366 x 1024 ( DILA 4/3 )", 21},
    {"1400 x 1050 ( SXGAP )", 22},
    {"1600 x 1200 ( UXGA )", 23},
    {"852  x 480 ( WVGA )", 24},
    {"1280 x 720 ( 720p RGB )", 25},
    {"1280 x 768 ( WXGA )", 26},
    {"1366 x 768 ( SWXGA )", 27},
    {"1280 x 800 ( 800p RGB )", 28},
    {"1680 x 1050 ( WSXGAP )", 29},
    {"1920 x 1080 ( 1080p RGB )", 30},
    {"1920 x 1200 ( WUXGA )", 31},
    {"1440 x  900 ( 900pRGB )", 32},
    {"2048 x 1536 ( 2K )", 33},
};

const TItemEntry SyncTypeEntries[] = {
    {"H && V Sync.", 0}, {"Composite TTL", 1}, {"S.O.G. Sync.", 2}, {"Analog Composite Sync.", 3}};
const TItemEntry HPolarityEntries[] = {{"H -", 0}, {"H +", 1}};
const TItemEntry VPolarityEntries[] = {{"V -", 0}, {"V +", 1}};
const TItemEntry HdcpEntries[] = {{"OFF", 0}, {"ON", 1}};

// Rate classes: below each threshold (hundredths of a hertz, some with a
// half) lies the nominal rate beside it; above the last, 10000.
struct TRateStep
{
    uint32_t BelowTwice; // twice the threshold, to hold the halves exactly
    uint16_t Rate;
};
const TRateStep RateSteps[] = {
    {4797, 2397}, {4900, 2400}, {5497, 2500}, {5997, 2997}, {8000, 3000},  {10994, 5000},
    {11994, 5994}, {13200, 6000}, {14700, 7200}, {16000, 7500}, {18500, 8500},
};

} // namespace

const TItemTable Types(TypeEntries);
const TItemTable BroadcastStandards(StandardEntries);
const TItemTable SyncLoads(SyncLoadEntries);
const TItemTable Uses(UseEntries);
const TItemTable AudioSources(AudioSourceEntries);
const TItemTable DetectedFormats(DetectedFormatEntries);
const TItemTable SyncTypes(SyncTypeEntries);
const TItemTable HPolarities(HPolarityEntries);
const TItemTable VPolarities(VPolarityEntries);
const TItemTable HdcpWords(HdcpEntries);

bool TypeHasStandards(uint16_t type)
{
    return type == 0 || type == 1;
}

bool TypeHasSyncLoad(uint16_t type)
{
    return type == 2 || type == 6;
}

bool TypeAvailable(int input, uint16_t type)
{
    if (type <= 7)
        return input == 1 || input == 2 || input == 4;
    if (type <= 11)
        return input == 2;
    if (type == 12)
        return input == 3;
    return false; // audio only is never offered
}

bool AudioSourceAvailable(int input, uint16_t source)
{
    if (source <= 5)
        return true;
    return source == EmbeddedSdiAudio && input == 3;
}

QString DefaultInputName(int input)
{
    switch (input) {
    case 4:
        return QStringLiteral("Aux");
    default:
        return QStringLiteral("Input %1").arg(input);
    }
}

QString DefaultAudioName(int source)
{
    return AudioSources.PlainCaptionOf(uint16_t(source));
}

uint16_t FrameRateClass(uint16_t fieldFrequency)
{
    const uint32_t twice = uint32_t(fieldFrequency) * 2;
    for (const TRateStep &step : RateSteps)
        if (twice < step.BelowTwice)
            return step.Rate;
    return 10000;
}

bool FormatHasNoMeasure(uint16_t format)
{
    return format == 0 || format == 1;
}

} // namespace InputTables
