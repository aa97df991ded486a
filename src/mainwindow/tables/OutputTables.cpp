#include "OutputTables.h"

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

} // namespace

const TItemTable ReferenceCaptions(ReferenceEntries);
const TItemTable FormatNames(FormatEntries);

} // namespace OutputTables
