#include "StatusIndexedCopies.h"

#include "link/ComDriver.h"
#include "variables/MorlixVariables_d.h"

#include <algorithm>

TStatusIndexedCopies::TStatusIndexedCopies(TComDriver &driver, TMorlixVariables &changes, int statusIndexVar,
                                           QObject *parent)
    : QObject(parent), m_driver(driver), m_statusIndexVar(statusIndexVar)
{
    for (int n = 0; n < VarTableSize; ++n) {
        const TVariable *variable = driver.GetVariable(n);
        if (variable->IsArray() && variable->StatusIndexVarNumber == statusIndexVar)
            m_variables.push_back(n);
    }
    m_cells.resize(m_variables.size());
    connect(&driver, &TComDriver::OnBeforeVarChange, this, [this](int varNumber, quint16 value) {
        m_receivedVar = varNumber;
        m_receivedValue = value;
    });
    for (int varNumber : m_variables)
        changes.OnChange(varNumber, [this, varNumber] { File(varNumber); });
}

bool TStatusIndexedCopies::Holds(int varNumber) const
{
    return std::find(m_variables.begin(), m_variables.end(), varNumber) != m_variables.end();
}

TStatusIndexedCopies::TCells *TStatusIndexedCopies::CellsOf(int varNumber)
{
    const auto found = std::find(m_variables.begin(), m_variables.end(), varNumber);
    return found == m_variables.end() ? nullptr : &m_cells[size_t(found - m_variables.begin())];
}

const TStatusIndexedCopies::TCells *TStatusIndexedCopies::CellsOf(int varNumber) const
{
    return const_cast<TStatusIndexedCopies *>(this)->CellsOf(varNumber);
}

int TStatusIndexedCopies::CurrentIndex() const
{
    return m_driver.GetVar(m_statusIndexVar);
}

void TStatusIndexedCopies::File(int varNumber)
{
    const uint16_t value = m_driver.GetVar(varNumber);
    // Only what the driver stored: a refused reply leaves the cache as it was.
    if (m_receivedVar != varNumber || value != m_receivedValue)
        return;
    const int index = CurrentIndex();
    TCells *cells = CellsOf(varNumber);
    if (!cells || index < 0 || index >= CellCount)
        return;
    cells->Values[size_t(index)] = value;
    cells->Reported.set(size_t(index));
    emit Filed(varNumber, index);
}

uint16_t TStatusIndexedCopies::Value(int varNumber, int index) const
{
    const TCells *cells = CellsOf(varNumber);
    return cells && index >= 0 && index < CellCount ? cells->Values[size_t(index)] : 0;
}

bool TStatusIndexedCopies::Reported(int varNumber, int index) const
{
    const TCells *cells = CellsOf(varNumber);
    return cells && index >= 0 && index < CellCount && cells->Reported.test(size_t(index));
}
