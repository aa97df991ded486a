#include "ComDriverMorlix.h"

TComDriverMorlix::TComDriverMorlix(int pollIntervalMs, int reconnectDelayMs, QObject *parent)
    : TComDriverSimple(pollIntervalMs, reconnectDelayMs, parent)
{
    m_variables.reserve(VarTableSize);
    for (const TVarDescriptor &row : VarTable)
        m_variables.push_back(std::make_unique<TVariable>(row));
    // Linked only now: an index variable may come after its arrays.
    for (const auto &variable : m_variables) {
        if (variable->IndexVarNumber >= 0)
            variable->SetIndexVariable(GetVariable(variable->IndexVarNumber));
        if (variable->StatusIndexVarNumber >= 0)
            variable->SetStatusIndexVariable(GetVariable(variable->StatusIndexVarNumber));
    }
}

void TComDriverMorlix::QueryDeviceType()
{
    // Forget the last answer so that only a fresh one counts as presence.
    GetVariable(DEV)->ForceValue(0);
    RequestVar(DEV);
}

bool TComDriverMorlix::IsDevicePresent() const
{
    return IsDeviceTypeCode(char(GetVar(DEV) & 0xFF));
}

void TComDriverMorlix::SignalDeviceLost()
{
    SendVar(DEV, 0);
}

void TComDriverMorlix::RequestAllVars()
{
    if (ConMode() == cmVAR)
        DoSendVar(DIESE, 1);
}

bool TComDriverMorlix::IsAllVarsReceived() const
{
    return GetVar(DIESE) == 0;
}
