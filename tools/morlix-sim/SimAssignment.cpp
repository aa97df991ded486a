#include "SimAssignment.h"
#include "SimDeviceState.h"
#include "variables/VariableTable.h"

#include <QRegularExpression>

int SimAssignment::VarNumberOf(const QString &name)
{
    for (int n = 0; n < VarTableSize; ++n)
        if (name == QLatin1String(VarTable[n].Name))
            return n;
    return NoVar;
}

QString SimAssignment::TargetName(int varNumber, int element)
{
    const QString name = QLatin1String(VarTable[varNumber].Name);
    return SimDeviceState::IsArray(varNumber) ? QStringLiteral("%1[%2]").arg(name).arg(element) : name;
}

bool SimAssignment::ParseTarget(const QString &text, int &varNumber, int &element, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z0-9_]+)(?:\\[(\\d+)\\])?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch()) {
        if (error)
            *error = QStringLiteral("not a variable name: %1").arg(text);
        return false;
    }
    varNumber = VarNumberOf(match.captured(1).toUpper());
    if (varNumber == NoVar) {
        if (error)
            *error = QStringLiteral("no variable named %1").arg(match.captured(1));
        return false;
    }
    element = -1;
    if (match.hasCaptured(2)) {
        bool ok = false;
        element = match.captured(2).toInt(&ok);
        if (!SimDeviceState::IsArray(varNumber)) {
            if (error)
                *error = QStringLiteral("%1 is not an array").arg(VarTable[varNumber].Name);
            return false;
        }
        if (!ok || element >= SimDeviceState::ElementCount(varNumber)) {
            if (error)
                *error = QStringLiteral("%1 has elements 0 to %2")
                             .arg(VarTable[varNumber].Name)
                             .arg(SimDeviceState::ElementCount(varNumber) - 1);
            return false;
        }
    }
    return true;
}

bool SimAssignment::ParseValue(const QString &text, uint32_t &value, QString *error)
{
    bool ok = false;
    const uint number = text.trimmed().toUInt(&ok);
    if (!ok || number > 65535) {
        if (error)
            *error = QStringLiteral("not a value from 0 to 65535: %1").arg(text);
        return false;
    }
    value = number;
    return true;
}

bool SimAssignment::Parse(const QString &text, SimAssignment &out, QString *error)
{
    const int equals = text.indexOf(QLatin1Char('='));
    if (equals < 0) {
        if (error)
            *error = QStringLiteral("expected NAME=VALUE: %1").arg(text);
        return false;
    }
    return ParseTarget(text.left(equals), out.VarNumber, out.Element, error)
        && ParseValue(text.mid(equals + 1), out.Value, error);
}
