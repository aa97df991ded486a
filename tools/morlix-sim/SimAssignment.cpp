#include "SimAssignment.h"
#include "variables/VariableAddress.h"

// The simulator names variables exactly as the client and the application do.

QString SimAssignment::TargetName(int varNumber, int element)
{
    return VariableAddress::TargetName(varNumber, element);
}

bool SimAssignment::ParseTarget(const QString &text, int &varNumber, int &element, QString *error)
{
    TVariableAddress address;
    if (!VariableAddress::ParseTarget(text, address, error))
        return false;
    varNumber = address.VarNumber;
    element = address.Element;
    return true;
}

bool SimAssignment::ParseValue(const QString &text, uint32_t &value, QString *error)
{
    return VariableAddress::ParseValue(text, value, error);
}

bool SimAssignment::Parse(const QString &text, SimAssignment &out, QString *error)
{
    TVariableAssignment assignment;
    if (!VariableAddress::ParseAssignment(text, assignment, error))
        return false;
    out.VarNumber = assignment.Address.VarNumber;
    out.Element = assignment.Address.Element;
    out.Value = assignment.Value;
    return true;
}
