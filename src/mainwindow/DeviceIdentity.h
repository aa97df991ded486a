#pragma once
#include <QString>
#include <cstdint>

// What the program knows about each device type it can talk to, found by the
// code the device reports in DEV. A code not in the list is an unknown device.
namespace DeviceIdentity {

// Position of the code in the list of known device types, -1 when unknown.
int KnownPosition(uint16_t deviceType);
bool IsKnown(uint16_t deviceType);
QString ModelCode(uint16_t deviceType);   // "RZ6070" or "Unknown"
QString ProductName(uint16_t deviceType); // "Morlix" or "Unknown"
int InputColumns(uint16_t deviceType);

} // namespace DeviceIdentity
