#pragma once
#include <QString>
#include <cstdint>

// How people and text files name one element of one variable: "HPOS",
// "ILOAD[3]", "HPOS=1024", "ILOAD[3]=1". Names are matched whatever their
// case, and a variable number may stand in place of its name ("71" is HPOS).
struct TVariableAddress
{
    int VarNumber = -1;
    int Element = -1; // -1: a scalar, or no element given for an array

    bool HasElement() const { return Element >= 0; }
};

struct TVariableAssignment
{
    TVariableAddress Address;
    uint32_t Value = 0;
};

namespace VariableAddress {

// The variable number for a name or a number, or NoVar.
int VarNumberOf(const QString &nameOrNumber);

// "HPOS" or "ILOAD[3]"; false with a reason for an unknown name, an element
// given to a scalar or an element beyond the array.
bool ParseTarget(const QString &text, TVariableAddress &address, QString *error);
// A decimal value from 0 to 65535.
bool ParseValue(const QString &text, uint32_t &value, QString *error);
// "TARGET=VALUE".
bool ParseAssignment(const QString &text, TVariableAssignment &assignment, QString *error);

// The inverse of ParseTarget: "HPOS" for a scalar, "ILOAD[3]" for an array.
QString TargetName(int varNumber, int element);

// The elements of an array the device can address: the range of its setting
// index variable, within the array. A scalar has element 0 only.
int FirstUsedElement(int varNumber);
int LastUsedElement(int varNumber);

} // namespace VariableAddress
