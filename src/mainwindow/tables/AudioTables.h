#pragma once
// The audio page's constant tables and the texts of its levels. The audio
// sources themselves (IAMAP, APCHAN, ACH_BREAKAWAY) are InputTables::AudioSources:
// this page always shows their built-in names.
#include "ItemTable.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace AudioTables {

// AREF_REQUEST: "Internal", "Follow SPDIF"; "Error" (2) is what AREF_STATUS
// says when S/PDIF is asked for and missing, never a choice.
extern const TItemTable References;
constexpr uint16_t ReferenceError = 2;
extern const TItemTable SpdifRates;    // ASPDIFOUTRATE
extern const TItemTable ChannelModes;  // ACH_MODE
constexpr uint16_t BreakAwayMode = 1;
// The embedded SDI source cannot be broken away to.
constexpr uint16_t NotABreakawaySource = 6;
// The SDI channels an input de-embeds (ISDI_CHANNEL_LEFT/_RIGHT, 1 to 16):
// "Group 1 - Ch 1 " to "Group 4 - Ch 16", padded to 15 characters.
extern const TItemTable SdiChannels;

// The level texts: number and unit without a space ("-50dB", "20dBu", "0°").
QString MasterVolumeText(uint16_t status);   // AMASTERVOLUME_STATUS
QString LevelText(uint16_t status);          // ALEVEL_STATUS
QString BalanceText(uint16_t balance);       // ABALANCE
QString AttenuationText(uint16_t level);     // AANALOGOUTLEVEL

// Entries typed by the operator, with or without their unit (any case).
// The number is brought into the display range (balance -45 to 45 degrees,
// attenuation -127 to 0 dB) and converted; text that is not a whole number
// gives nothing.
std::optional<uint16_t> BalanceEntry(const QString &text);
std::optional<uint16_t> AttenuationEntry(const QString &text);

} // namespace AudioTables
