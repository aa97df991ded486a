#pragma once
#include "variables/VariableAddress.h"

#include <QString>

// What the client refuses before sending anything: an element the device
// cannot address and a value outside the variable's range. Each returns an
// error text naming the variable, empty when the target or value is usable.
QString ParseUsableTarget(const QString &text, TVariableAddress &address);
QString ParseUsableAssignment(const QString &text, TVariableAssignment &assignment);
QString RangeError(int varNumber, uint32_t value);
QString ElementError(const TVariableAddress &address);
