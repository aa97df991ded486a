#include "CommandSteps.h"
#include "Commands.h"
#include "CtlOutput.h"
#include "TargetCheck.h"

int RunSet(const TCtlOptions &options, const QStringList &arguments)
{
    if (arguments.isEmpty())
        return Fail(ExitUsage, QStringLiteral("set needs at least one NAME=VALUE"));
    std::vector<TVariableAssignment> assignments;
    const QString error = ParseEach(arguments, &ParseUsableAssignment, assignments);
    if (!error.isEmpty())
        return Fail(ExitUsage, error);

    TCtlLink link(options);
    if (!link.Connect(false))
        return Fail(ExitDeviceFailure, link.LastError());
    int exitCode = ExitSuccess;
    for (const TVariableAssignment &assignment : assignments) {
        const TWriteOutcome outcome = WriteAndReport(link, assignment);
        if (outcome == woNoReply)
            return Fail(ExitDeviceFailure, link.LastError());
        if (outcome == woChanged)
            exitCode = ExitDeviceFailure;
    }
    return exitCode;
}
