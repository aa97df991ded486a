#pragma once
// The image settings page's selectors: the input aspect ratio and the two
// pulldown detections.
#include "ItemTable.h"

namespace ImageTables {

extern const TItemTable InputAspects; // IASP
// RAUTO_PULLDOWN_2_2 and RAUTO_PULLDOWN_3_2.
extern const TItemTable Pulldowns;

} // namespace ImageTables
