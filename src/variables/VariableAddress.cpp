#include "variables/VariableAddress.h"
#include "variables/VariableTable.h"

#include <QRegularExpression>
#include <algorithm>

namespace VariableAddress {

namespace {
bool IsArray(int varNumber)
{
    return VarTable[varNumber].IndexVar != NoVar;
}

bool Refuse(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}
} // namespace

int VarNumberOf(const QString &nameOrNumber)
{
    bool isNumber = false;
    const int number = nameOrNumber.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number < VarTableSize ? number : NoVar;
    for (int n = 0; n < VarTableSize; ++n)
        if (nameOrNumber.compare(QLatin1String(VarTable[n].Name), Qt::CaseInsensitive) == 0)
            return n;
    return NoVar;
}

bool ParseTarget(const QString &text, TVariableAddress &address, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z0-9_]+)(?:\\[(\\d+)\\])?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return Refuse(error, QStringLiteral("not a variable name: %1").arg(text));
    const int varNumber = VarNumberOf(match.captured(1));
    if (varNumber == NoVar)
        return Refuse(error, QStringLiteral("no variable named %1").arg(match.captured(1)));
    int element = -1;
    if (match.hasCaptured(2)) {
        const QString name = QLatin1String(VarTable[varNumber].Name);
        if (!IsArray(varNumber))
            return Refuse(error, QStringLiteral("%1 is not an array").arg(name));
        bool ok = false;
        element = match.captured(2).toInt(&ok);
        const int last = VarTable[varNumber].ArraySize - 1;
        if (!ok || element > last)
            return Refuse(error, QStringLiteral("%1 has elements 0 to %2").arg(name).arg(last));
    }
    address = {varNumber, element};
    return true;
}

bool ParseValue(const QString &text, uint32_t &value, QString *error)
{
    bool ok = false;
    const uint number = text.trimmed().toUInt(&ok);
    if (!ok || number > 65535)
        return Refuse(error, QStringLiteral("not a value from 0 to 65535: %1").arg(text));
    value = number;
    return true;
}

bool ParseAssignment(const QString &text, TVariableAssignment &assignment, QString *error)
{
    const int equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return Refuse(error, QStringLiteral("expected NAME=VALUE: %1").arg(text));
    return ParseTarget(text.left(equals), assignment.Address, error)
        && ParseValue(text.mid(equals + 1), assignment.Value, error);
}

QString TargetName(int varNumber, int element)
{
    const QString name = QLatin1String(VarTable[varNumber].Name);
    return IsArray(varNumber) ? QStringLiteral("%1[%2]").arg(name).arg(element) : name;
}

int FirstUsedElement(int varNumber)
{
    return IsArray(varNumber) ? VarTable[VarTable[varNumber].IndexVar].Min : 0;
}

int LastUsedElement(int varNumber)
{
    if (!IsArray(varNumber))
        return 0;
    return std::min<int>(VarTable[VarTable[varNumber].IndexVar].Max, VarTable[varNumber].ArraySize - 1);
}

} // namespace VariableAddress
