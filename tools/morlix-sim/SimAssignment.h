#pragma once
#include <QString>
#include <cstdint>

// "NAME=VALUE" or "NAME[i]=VALUE": how the command line, the state file and
// the front panel name one element of one variable.
struct SimAssignment
{
    int VarNumber = -1;
    int Element = -1; // -1: the scalar, or the element the index selects now
    uint32_t Value = 0;

    // "HPOS" or "ILOAD[3]"; false with a reason for an unknown name, a bad
    // element or an element given to a scalar.
    static bool ParseTarget(const QString &text, int &varNumber, int &element, QString *error);
    static bool Parse(const QString &text, SimAssignment &out, QString *error);
    static bool ParseValue(const QString &text, uint32_t &value, QString *error);

    // The inverse of ParseTarget: "HPOS" for a scalar, "ILOAD[3]" otherwise.
    static QString TargetName(int varNumber, int element);
};
