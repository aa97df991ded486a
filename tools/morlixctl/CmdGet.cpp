#include "CommandSteps.h"
#include "Commands.h"
#include "CtlOutput.h"
#include "TargetCheck.h"

int RunGet(const TCtlOptions &options, const QStringList &arguments)
{
    if (arguments.isEmpty())
        return Fail(ExitUsage, QStringLiteral("get needs at least one NAME"));
    std::vector<TVariableAddress> targets;
    const QString error = ParseEach(arguments, &ParseUsableTarget, targets);
    if (!error.isEmpty())
        return Fail(ExitUsage, error);

    TCtlLink link(options);
    if (!link.Connect(false))
        return Fail(ExitDeviceFailure, link.LastError());
    for (const TVariableAddress &target : targets) {
        const std::optional<uint16_t> value = link.Read(target);
        if (!value)
            return Fail(ExitDeviceFailure, link.LastError());
        PrintResult(QStringLiteral("%1=%2").arg(ReportedName(link, target)).arg(*value));
    }
    return ExitSuccess;
}
