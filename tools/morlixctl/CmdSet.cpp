#include "Commands.h"
#include "CtlLink.h"
#include "CtlOutput.h"
#include "TargetCheck.h"

#include <vector>

int RunSet(const TCtlOptions &options, const QStringList &arguments)
{
    if (arguments.isEmpty())
        return Fail(ExitUsage, QStringLiteral("set needs at least one NAME=VALUE"));
    // Every value is checked before the first one is sent: a script with one
    // typo changes nothing.
    std::vector<TVariableAssignment> assignments;
    for (const QString &argument : arguments) {
        TVariableAssignment assignment;
        const QString error = ParseUsableAssignment(argument, assignment);
        if (!error.isEmpty())
            return Fail(ExitUsage, error);
        assignments.push_back(assignment);
    }

    TCtlLink link(options);
    if (!link.Connect(false))
        return Fail(ExitDeviceFailure, link.LastError());
    int exitCode = ExitSuccess;
    for (const TVariableAssignment &assignment : assignments) {
        const TVariableAddress &target = assignment.Address;
        const std::optional<uint16_t> reported = link.Write(target, uint16_t(assignment.Value));
        if (!reported)
            return Fail(ExitDeviceFailure, link.LastError());
        const int element = target.HasElement() ? target.Element : link.CurrentElement(target.VarNumber);
        if (!PrintWriteOutcome(VariableAddress::TargetName(target.VarNumber, element), *reported, assignment.Value))
            exitCode = ExitDeviceFailure;
    }
    return exitCode;
}
