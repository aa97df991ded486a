#pragma once
#include <cstdint>

// Variables the device updates by itself when another one is written: the
// status copy of an index variable, the state after a request, the level in
// dB after a volume step.
namespace SimCompanions {

// The variable that follows `varNumber`, or NoVar.
int FollowerOf(int varNumber);

// The follower's value for the written value; false when the follower
// cannot express it (IFORMATINDEXSTATUS reaches only 0 to 2) and keeps its
// old value.
bool FollowerValue(int varNumber, uint16_t writtenValue, uint16_t &followerValue);

// Volume steps in dB: step 29 is 0 dB (128), each step below it about
// 1.7 dB down to -50 dB (78) at step 0, each step above it about 1.1 dB up
// to the top of the status range.
uint16_t VolumeStatus(uint16_t step, uint16_t topStep, uint16_t topStatus);

} // namespace SimCompanions
