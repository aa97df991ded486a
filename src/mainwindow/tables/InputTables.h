#pragma once
// The inputs' constant tables: what each per-input selector offers, what the
// device detects on an input and the words the status page uses for it.
#include "ItemTable.h"

#include <QString>
#include <cstdint>

namespace InputTables {

// Inputs are numbered 1 to 5; the fifth exists on the device but is never shown.
constexpr int InputCount = 5;
constexpr int ShownInputCount = 4;

// ITYPE, in selector order (not value order).
extern const TItemTable Types;
// The sub-items of the composite and Y/C types: position = ISDSTDMODE.
extern const TItemTable BroadcastStandards;
extern const TItemTable SyncLoads;    // ILOAD
extern const TItemTable Uses;         // IUSED
extern const TItemTable AudioSources; // IAMAP
// INAME: position = value.
extern const TItemTable DetectedFormats;
extern const TItemTable SyncTypes;    // ISYNC
extern const TItemTable HPolarities;  // IHPOL
extern const TItemTable VPolarities;  // IVPOL
extern const TItemTable HdcpWords;    // IDVI_IS_HDCP, ODVI_IS_HDCP

// ITYPE values with their own list of broadcast standards.
bool TypeHasStandards(uint16_t type);
// ITYPE values whose horizontal sync input takes a load setting.
bool TypeHasSyncLoad(uint16_t type);
constexpr uint16_t AudioOnlyType = 13;
constexpr uint16_t EmbeddedSdiAudio = 6;

// What an identified device offers on each input.
bool TypeAvailable(int input, uint16_t type);
bool AudioSourceAvailable(int input, uint16_t source);

// The default caption of an input ("Input 1", "Input 2", "Input 3", "Aux",
// "Input 5") and of an audio source 1 to 6 ("Analog A" ... "Embedded SDI").
QString DefaultInputName(int input);
QString DefaultAudioName(int source);

// The nominal rate (hundredths of a hertz) an input field frequency
// (IFREQFIELD, hundredths of a hertz) belongs to.
uint16_t FrameRateClass(uint16_t fieldFrequency);

// Detected formats without a measurable signal: no signal, invalid signal.
bool FormatHasNoMeasure(uint16_t format);

} // namespace InputTables
