#include "CommandSteps.h"
#include "Commands.h"
#include "CtlOutput.h"
#include "TargetCheck.h"
#include "config/KeyValueFile.h"
#include "variables/VariableTable.h"
#include "variables/WritableVariables.h"

#include <algorithm>
#include <vector>

namespace {

// The settings of a dump file that may be written back, the setting index
// variables last: writing the arrays moves them, and their saved value is
// the selection the device should end with. Returns an error text.
QString ReadRestorableSettings(const QString &path, std::vector<TVariableAssignment> &settings)
{
    QStringList lines;
    QString error;
    if (!KeyValueFile::Read(path, lines, &error))
        return QStringLiteral("cannot read %1: %2").arg(path, error);
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        TVariableAssignment assignment;
        if (!VariableAddress::ParseAssignment(lines[i], assignment, &error))
            return QStringLiteral("%1:%2: %3").arg(path).arg(i + 1).arg(error);
        const TVariableAddress &address = assignment.Address;
        if (VarTable[address.VarNumber].IndexVar != NoVar && !address.HasElement())
            return QStringLiteral("%1:%2: %3 needs an element").arg(path).arg(i + 1).arg(VarTable[address.VarNumber].Name);
        error = ElementError(address);
        if (!error.isEmpty())
            return QStringLiteral("%1:%2: %3").arg(path).arg(i + 1).arg(error);
        if (WritableVariables::IsRestorable(address.VarNumber))
            settings.push_back(assignment);
    }
    std::stable_partition(settings.begin(), settings.end(), [](const TVariableAssignment &setting) {
        return !WritableVariables::IsSettingIndex(setting.Address.VarNumber);
    });
    return {};
}

} // namespace

int RunRestore(const TCtlOptions &options, const QStringList &arguments)
{
    if (arguments.size() != 1)
        return Fail(ExitUsage, QStringLiteral("usage: restore FILE"));
    std::vector<TVariableAssignment> settings;
    const QString fileError = ReadRestorableSettings(arguments[0], settings);
    if (!fileError.isEmpty())
        return Fail(ExitUsage, fileError);

    // The full resend tells which settings already hold their saved value;
    // only the others are written.
    TCtlLink link(options);
    if (!link.Connect(true))
        return Fail(ExitDeviceFailure, link.LastError());
    bool allTaken = true;
    for (const TVariableAssignment &setting : settings) {
        const TVariableAddress &address = setting.Address;
        const int element = std::max(address.Element, 0);
        if (link.Driver().GetVarElement(address.VarNumber, element) == setting.Value)
            continue;
        const QString rangeError = RangeError(address.VarNumber, setting.Value);
        if (!rangeError.isEmpty()) {
            PrintError(QStringLiteral("not written: %1").arg(rangeError));
            allTaken = false;
            continue;
        }
        const TWriteOutcome outcome = WriteAndReport(link, setting);
        if (outcome == woNoReply)
            return Fail(ExitDeviceFailure, link.LastError());
        allTaken &= outcome == woKept;
    }
    return allTaken ? ExitSuccess : ExitDeviceFailure;
}
