#include "LogoTables.h"

namespace LogoTables {

namespace {

const TItemEntry ModeEntries[] = {
    {"Assign", ModeAssign},
    {"Record Logo", ModeRecordLogo},
    {"Record Logo animated", ModeRecordAnimatedLogo, true, false},
    {"Record Frame", ModeRecordFrame},
    {"Erase Logo && Frame", ModeEraseLogoAndFrame},
    {"Erase Frame", ModeEraseFrame, true, false},
    {"Transfert", ModeTransfer},
};
const TItemEntry PictureEntries[] = {{"None", 0}, {"Logo 1", 1}, {"Logo 2", 2}, {"Frame", 3}};
const TItemEntry LumaKeyTypeEntries[] = {{"Black", 0}, {"White", 1}};

} // namespace

const TItemTable Modes(ModeEntries);
const TItemTable Pictures(PictureEntries);
const TItemTable LumaKeyTypes(LumaKeyTypeEntries);

QString MemoryName(int memory)
{
    return memory >= 1 && memory <= MemoryCount ? Pictures.PlainCaptionAt(memory) : QString();
}

QString EmptyText()
{
    return QStringLiteral("Empty");
}

QString MemoryCaption(int memory, uint16_t valid)
{
    return BitIsSet(valid, memory) ? MemoryName(memory) : EmptyText();
}

} // namespace LogoTables
