#pragma once
// The logos and frames page's constant tables: the page's modes, the
// pictures a logo selector offers, the luma key types, and the names of the
// device's three picture memories.
#include "ItemTable.h"

#include <cstdint>

namespace LogoTables {

// PMODE values.
constexpr uint16_t ModeAssign = 0;
constexpr uint16_t ModeRecordLogo = 1;
constexpr uint16_t ModeRecordAnimatedLogo = 2;
constexpr uint16_t ModeRecordFrame = 3;
constexpr uint16_t ModeEraseLogoAndFrame = 4;
constexpr uint16_t ModeEraseFrame = 5;
constexpr uint16_t ModeTransfer = 6;

// The page's modes, position = PMODE; the animated record and "Erase Frame"
// are not offered.
extern const TItemTable Modes;
// A logo selector's items, position = memory (0 none, 1 to 3).
extern const TItemTable Pictures;
extern const TItemTable LumaKeyTypes;

constexpr int MemoryCount = 3;
constexpr uint16_t FrameMemory = 3;
// "Logo 1", "Logo 2", "Frame" for memories 1 to 3; empty otherwise.
QString MemoryName(int memory);
// What a logo selector shows for a memory: its name while it holds a
// picture (its bit in PVALID), "Empty" otherwise.
QString MemoryCaption(int memory, uint16_t valid);
QString EmptyText();

} // namespace LogoTables
