#include "SimDeviceState.h"
#include "variables/VariableTable.h"

#include <algorithm>

SimDeviceState::SimDeviceState() : m_values(VarTableSize)
{
    ResetToDefaults();
}

void SimDeviceState::ResetToDefaults()
{
    for (int n = 0; n < VarTableSize; ++n)
        ResetVariable(n);
}

void SimDeviceState::ResetVariable(int varNumber)
{
    m_values[varNumber] = QVector<uint16_t>(ElementCount(varNumber), VarTable[varNumber].Default);
}

int SimDeviceState::ElementCount(int varNumber)
{
    return std::max<int>(1, VarTable[varNumber].ArraySize);
}

bool SimDeviceState::IsArray(int varNumber)
{
    return VarTable[varNumber].IndexVar != NoVar;
}

uint16_t SimDeviceState::Clamp(int varNumber, uint32_t value)
{
    // Ranges are unsigned 16-bit: REFVPH runs from 32763 to 32773.
    const TVarDescriptor &row = VarTable[varNumber];
    return uint16_t(std::clamp<uint32_t>(value, row.Min, row.Max));
}

uint16_t SimDeviceState::Value(int varNumber, int element) const
{
    if (varNumber == DATADBG)
        return m_registers.Read(Value(ADDRDBG));
    const QVector<uint16_t> &elements = m_values[varNumber];
    return element >= 0 && element < elements.size() ? elements[element] : 0;
}

uint16_t SimDeviceState::Store(int varNumber, int element, uint32_t value)
{
    QVector<uint16_t> &elements = m_values[varNumber];
    if (element < 0 || element >= elements.size())
        return Value(varNumber, CurrentElement(varNumber));
    if (varNumber == DATADBG) {
        m_registers.Write(Value(ADDRDBG), Clamp(varNumber, value));
        return Value(varNumber);
    }
    elements[element] = Clamp(varNumber, value);
    return elements[element];
}

uint16_t SimDeviceState::Restore(int varNumber, int element, uint32_t value)
{
    if (value != VarTable[varNumber].Default || element < 0 || element >= m_values[varNumber].size()
        || varNumber == DATADBG)
        return Store(varNumber, element, value);
    m_values[varNumber][element] = uint16_t(value);
    return uint16_t(value);
}

int SimDeviceState::CurrentElement(int varNumber) const
{
    const int indexVar = VarTable[varNumber].IndexVar;
    return indexVar == NoVar ? 0 : Value(indexVar);
}
