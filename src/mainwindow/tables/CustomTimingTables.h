#pragma once
// The custom output timing's constant tables: the eight settings, the
// operations of the setting memory, the editing modes and the scan types.
#include "ItemTable.h"

#include <cstdint>

namespace CustomTimingTables {

constexpr int SettingCount = 8;

// OCSETTINGNUMBER 0 to 7: "Custom Setting 1:" to "Custom Setting 8:".
extern const TItemTable SettingItems;
// The fixed captions a setting's name follows.
QString SettingCaption(int setting);      // "Custom Setting 3:"
QString FormatItemCaption(int setting);   // "Computer Custom 3:"

// OCCTRL: what OCEXECUTE 1 does with the selected setting.
enum TOperation : uint16_t { Load = 0, Save = 1, Erase = 2 };

// OCADVANCED captions: 0 "CVT Settings", 1 "Full Settings".
extern const TItemTable Modes;
constexpr uint16_t FullMode = 1;

// OCCVT_SCANTYPE: every scan type shown, only "Progressive" offered.
extern const TItemTable CvtScanTypes;
// OCFULL_SCANTYPE: progressive and interlaced only.
extern const TItemTable FullScanTypes;

} // namespace CustomTimingTables
