#pragma once
// The zoom page's selectors: position = value.
#include "ItemTable.h"

namespace ZoomTables {

extern const TItemTable Modes;       // ZMODE: "Zoom OFF", "Zoom On"
extern const TItemTable Transitions; // ZMTRANSITION: "Direct Zoom", "Dynamic Zoom"
constexpr int DynamicZoomItem = 1;   // not offered in pixel units

} // namespace ZoomTables
