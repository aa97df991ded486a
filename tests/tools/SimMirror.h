#pragma once
// What the application keeps of the device, reduced to the rules that matter
// to the simulator's reports: a line is a reply mnemonic and a number, a
// value outside the variable's range is not stored, and an array value goes
// to the element the receiver's own copy of the setting index selects.
#include "SimDeviceState.h"
#include "variables/VariableTable.h"

#include <QByteArray>
#include <QVector>

class SimMirror
{
public:
    SimMirror() : m_values(VarTableSize)
    {
        for (int n = 0; n < VarTableSize; ++n)
            m_values[n] = QVector<uint16_t>(SimDeviceState::ElementCount(n), 0);
    }

    // False for a line the application would drop.
    bool Apply(const QByteArray &line)
    {
        for (int n = 0; n < VarTableSize; ++n) {
            const QByteArray mnemonic(VarTable[n].ReplyMnemonic);
            if (!line.startsWith(mnemonic) || line.size() == mnemonic.size())
                continue;
            bool ok = false;
            const uint value = line.mid(mnemonic.size()).toUInt(&ok);
            if (!ok || !(line[mnemonic.size()] >= '0' && line[mnemonic.size()] <= '9'))
                continue;
            if (value >= VarTable[n].Min && value <= VarTable[n].Max)
                m_values[n][Element(n)] = uint16_t(value);
            return true;
        }
        return false;
    }

    uint16_t Value(int varNumber, int element = 0) const { return m_values[varNumber][element]; }

private:
    int Element(int varNumber) const
    {
        const int index = VarTable[varNumber].IndexVar;
        return index == NoVar ? 0 : m_values[index][0];
    }

    QVector<QVector<uint16_t>> m_values;
};
