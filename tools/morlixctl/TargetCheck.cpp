#include "TargetCheck.h"
#include "variables/VariableTable.h"

QString ElementError(const TVariableAddress &address)
{
    if (!address.HasElement())
        return {};
    const int first = VariableAddress::FirstUsedElement(address.VarNumber);
    const int last = VariableAddress::LastUsedElement(address.VarNumber);
    if (address.Element >= first && address.Element <= last)
        return {};
    return QStringLiteral("%1: element %2 is outside %3..%4")
        .arg(QLatin1String(VarTable[address.VarNumber].Name))
        .arg(address.Element)
        .arg(first)
        .arg(last);
}

QString ParseUsableTarget(const QString &text, TVariableAddress &address)
{
    QString error;
    if (!VariableAddress::ParseTarget(text, address, &error))
        return error;
    return ElementError(address);
}

QString ParseUsableAssignment(const QString &text, TVariableAssignment &assignment)
{
    QString error;
    if (!VariableAddress::ParseAssignment(text, assignment, &error))
        return error;
    const QString elementError = ElementError(assignment.Address);
    return elementError.isEmpty() ? RangeError(assignment.Address.VarNumber, assignment.Value) : elementError;
}

QString RangeError(int varNumber, uint32_t value)
{
    const TVarDescriptor &row = VarTable[varNumber];
    if (value >= row.Min && value <= row.Max)
        return {};
    return QStringLiteral("%1: %2 is outside %3..%4").arg(QLatin1String(row.Name)).arg(value).arg(row.Min).arg(row.Max);
}
