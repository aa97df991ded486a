#include "ImageTables.h"

namespace ImageTables {

namespace {

const TItemEntry InputAspectEntries[] = {
    {"4/3", 0},
    {"LetterBox", 1},
    {"16/9 Ana.", 2},
    {"16/9", 3},
};

const TItemEntry PulldownEntries[] = {
    {"OFF", 0},
    {"Auto", 1},
};

} // namespace

const TItemTable InputAspects(InputAspectEntries);
const TItemTable Pulldowns(PulldownEntries);

} // namespace ImageTables
