#pragma once
// A technician's session on the device's registers through ADDRDBG and
// DATADBG: each command and the reply lines it brings back.
#include <QByteArrayList>
#include <QList>

struct TRegisterStep
{
    QByteArray Command;
    QByteArrayList Replies;
};

inline const QList<TRegisterStep> &RegisterSession()
{
    static const QList<TRegisterStep> steps{
        {"4660@", {"ADBG4660", "DDBG0"}}, // point at register 4660
        {"255>", {"DDBG255"}},            // write it
        {"15-", {"-15", "DDBG240"}},      // clear the bits of 15
        {"3+", {"+3", "DDBG243"}},        // set the bits of 3
        {"255!", {"!255", "DDBG12"}},     // invert the bits of 255
        {">", {"DDBG12"}},                // read it
    };
    return steps;
}
