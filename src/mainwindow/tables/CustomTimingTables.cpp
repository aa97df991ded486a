#include "CustomTimingTables.h"

namespace CustomTimingTables {

namespace {

const TItemEntry SettingEntries[] = {
    {"Custom Setting 1:", 0}, {"Custom Setting 2:", 1}, {"Custom Setting 3:", 2}, {"Custom Setting 4:", 3},
    {"Custom Setting 5:", 4}, {"Custom Setting 6:", 5}, {"Custom Setting 7:", 6}, {"Custom Setting 8:", 7},
};

const TItemEntry ModeEntries[] = {
    {"CVT Settings", 0},
    {"Full Settings", 1},
};

const TItemEntry CvtScanEntries[] = {
    {"Progressive", 0},
    {"Interlaced", 1, false},
    {"Interlaced", 2, false},
    {"Segmented Frame", 3, false},
};

const TItemEntry FullScanEntries[] = {
    {"Progressive", 0},
    {"Interlaced", 1},
    {"Interlaced", 2, true, false},
    {"Segmented Frame", 3, true, false},
};

} // namespace

const TItemTable SettingItems(SettingEntries);
const TItemTable Modes(ModeEntries);
const TItemTable CvtScanTypes(CvtScanEntries);
const TItemTable FullScanTypes(FullScanEntries);

QString SettingCaption(int setting)
{
    return QStringLiteral("Custom Setting %1:").arg(setting + 1);
}

QString FormatItemCaption(int setting)
{
    return QStringLiteral("Computer Custom %1:").arg(setting + 1);
}

} // namespace CustomTimingTables
