#pragma once
// How the common update classes what an input receives: its detected format
// (INAME) and its signal type (ITYPE) decide which picture controls apply.
#include <cstdint>

namespace InputClasses {

struct TFormatClass
{
    bool ScanSelect;        // under/over scan can be chosen
    bool ProgressiveVideo;  // 480p, 576p, 720p, 1080p: no pulldown detection
    bool BlankingAdjust;    // computer formats: the output position and size apply
};
// A format outside the detected formats has no class (all false).
TFormatClass OfFormat(uint16_t detectedFormat);

struct TTypeClass
{
    bool AutoCentering;
    bool ClockPhase;
    bool BrightnessContrastColor;
    bool ColorLevels;
};
// A type outside the table has no class (all false).
TTypeClass OfType(uint16_t type);

// The detected format NTSC: the only one with a hue control.
constexpr uint16_t NtscFormat = 3;
// Types 5 to 11 (computer and DVI) detect no pulldown.
bool TypeSkipsPulldown(uint16_t type);
// Types 8 to 11 (DVI) have no blanking adjust.
bool TypeIsDvi(uint16_t type);

// The wide screen detected formats ("480p", "720p", "1035i", "1080i",
// "1080p", "1080sf" and the wide computer formats): the zoom preview's black
// bands read it.
bool IsWideScreenFormat(uint16_t detectedFormat);

} // namespace InputClasses
