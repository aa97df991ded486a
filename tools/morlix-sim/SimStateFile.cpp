#include "SimStateFile.h"
#include "config/KeyValueFile.h"
#include "variables/VariableTable.h"

namespace SimStateFile {

QString Line(const SimDeviceState &state, int varNumber, int element)
{
    return QStringLiteral("%1=%2").arg(VariableAddress::TargetName(varNumber, element)).arg(state.Value(varNumber, element));
}

QStringList Lines(const SimDeviceState &state)
{
    QStringList lines;
    for (int n = 0; n < VarTableSize; ++n)
        for (int e = 0; e < SimDeviceState::ElementCount(n); ++e)
            lines << Line(state, n, e);
    return lines + state.Registers().Lines();
}

void Apply(SimDeviceState &state, const TVariableAssignment &assignment)
{
    const TVariableAddress &address = assignment.Address;
    const int element = address.HasElement() ? address.Element : state.CurrentElement(address.VarNumber);
    state.Restore(address.VarNumber, element, assignment.Value);
}

namespace {
bool ApplyLine(SimDeviceState &state, const QString &line, QString *reason)
{
    if (SimRegisters::IsLine(line))
        return state.Registers().ApplyLine(line, reason);
    TVariableAssignment assignment;
    if (!VariableAddress::ParseAssignment(line, assignment, reason))
        return false;
    Apply(state, assignment);
    return true;
}
} // namespace

bool ApplyLines(SimDeviceState &state, const QStringList &lines, QString *error)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        QString reason;
        if (!ApplyLine(state, lines[i], &reason)) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(i + 1).arg(reason);
            return false;
        }
    }
    return true;
}

bool Load(const QString &path, SimDeviceState &state, QString *error)
{
    QStringList lines;
    return KeyValueFile::Read(path, lines, error) && ApplyLines(state, lines, error);
}

bool Save(const QString &path, const SimDeviceState &state, QString *error)
{
    return KeyValueFile::Write(path, Lines(state), error);
}

} // namespace SimStateFile
