#pragma once
#include "SimDeviceState.h"
#include "variables/VariableAddress.h"

#include <QStringList>

// The device state as text: one NAME=VALUE line per scalar and one
// NAME[i]=VALUE line per array element, in table order. Used for --state,
// for the front panel's dump and for --set; the registers that are not 0
// follow as REGISTER[address]=VALUE lines.
namespace SimStateFile {

// "HPOS=1024" or "ILOAD[3]=1".
QString Line(const SimDeviceState &state, int varNumber, int element);
QStringList Lines(const SimDeviceState &state);

// Stores one assignment; an array without an element takes the element its
// index variable selects now.
void Apply(SimDeviceState &state, const TVariableAssignment &assignment);

// Applies every line; stops at the first bad line and names it.
bool ApplyLines(SimDeviceState &state, const QStringList &lines, QString *error);

bool Load(const QString &path, SimDeviceState &state, QString *error);
bool Save(const QString &path, const SimDeviceState &state, QString *error);

} // namespace SimStateFile
