#pragma once
// The output's constant tables: the format names the status page shows, the
// per-format columns the output page and the common update read (rates,
// signal types, TV standard, scan, test patterns, wide screen), and the
// items of the output selectors.
#include "ItemTable.h"

#include <cstdint>

namespace OutputTables {

// REFREQUEST and REFSTATUS captions: position = value (REFSTATUS 7 is "Error").
extern const TItemTable ReferenceCaptions;
// Output formats: position = OFORMAT, Value = the format's item in the
// output format selector.
extern const TItemTable FormatNames;

enum class TTvStandard : uint8_t { None, SD, HD };

// One row of the output format table.
struct TOutputFormat
{
    uint16_t Rates;        // bit r set: ORATE r is offered
    uint8_t AnalogTypes;   // bit v set: OSIGTYPEANALOG v is offered
    uint8_t DigitalTypes;  // bit v set: OSIGTYPEDIGITAL v is offered
    TTvStandard Tv;
    bool Interlaced;
    bool Burst;            // the "Burst" test pattern is offered
    bool Custom;           // one of the eight custom timings
    bool WideScreen;
};

constexpr int FormatCount = 35;
constexpr uint16_t FirstCustomFormat = 27;
constexpr uint16_t LastCustomFormat = 34;
// The row of an OFORMAT or REFFORMAT value; null outside the table.
const TOutputFormat *Format(uint16_t format);
bool IsCustomFormat(uint16_t format);
// 0 to 7 for the custom formats, -1 for the others.
int CustomIndexOf(uint16_t format);

// The output format selector: item 0 is "Genlock" (it stands for REFREQUEST
// GenlockReference, not for a format), items 1 to 35 carry their OFORMAT.
extern const TItemTable FormatItems;
constexpr uint16_t GenlockItemValue = 0xFFFF;
constexpr uint16_t GenlockReference = 6;
// The hint of a format item: the standard formats repeat their caption.
QString FormatItemHint(int item);

// The rate selector: items 0 to 10 carry ORATE 0 to 10, items 11 to 15 the
// frame lock references REFREQUEST 1 to 5.
extern const TItemTable RateItems;
constexpr int FirstReferenceRateItem = 11;
constexpr int RateCount = 11; // ORATE 0 to 10
bool IsReferenceRateItem(int item);
// The rate item a reference request shows, or -1 when it has none.
int RateItemOfReference(uint16_t reference);
bool RateOffered(uint16_t format, uint16_t rate);

extern const TItemTable AnalogTypes;  // OSIGTYPEANALOG
extern const TItemTable DigitalTypes; // OSIGTYPEDIGITAL, not in value order
bool AnalogTypeOffered(uint16_t format, uint16_t type);
bool DigitalTypeOffered(uint16_t format, uint16_t type);

// OPATTERN, in selector order.
extern const TItemTable Patterns;
constexpr uint16_t CenteringPattern = 6;
constexpr uint16_t BurstPattern = 5;
constexpr uint16_t CrossHatchPattern = 7;
constexpr uint16_t ColorPattern = 8;
// The patterns the pattern window edits.
bool PatternHasSettings(uint16_t pattern);

extern const TItemTable Aspects;    // OASP
extern const TItemTable OverScans;  // OVER
// ONTSCPEDESTAL button captions by value.
extern const TItemTable PedestalCaptions;

} // namespace OutputTables
