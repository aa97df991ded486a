#include "MorlixVariables_d.h"

void TMorlixVariables::SetVarNumber(uint16_t number)
{
    m_varNumber = number;
    if (number >= VarTableSize)
        return;
    // A handler may add handlers (a page built lazily): walk by index and run
    // a copy, so that growth of the list never pulls the running one away.
    const auto &handlers = m_handlers[number];
    for (size_t i = 0; i < handlers.size(); ++i) {
        const THandler handler = handlers[i];
        handler();
    }
}

void TMorlixVariables::OnChange(int varNumber, THandler handler)
{
    if (varNumber < 0 || varNumber >= VarTableSize || !handler)
        return;
    m_handlers[size_t(varNumber)].push_back(std::move(handler));
}

bool TMorlixVariables::HasHandler(int varNumber) const
{
    return varNumber >= 0 && varNumber < VarTableSize && !m_handlers[size_t(varNumber)].empty();
}
