#include "ZoomTables.h"

namespace ZoomTables {

namespace {
const TItemEntry ModeEntries[] = {{"Zoom OFF", 0}, {"Zoom On", 1}};
const TItemEntry TransitionEntries[] = {{"Direct Zoom", 0}, {"Dynamic Zoom", 1}};
} // namespace

const TItemTable Modes(ModeEntries);
const TItemTable Transitions(TransitionEntries);

} // namespace ZoomTables
