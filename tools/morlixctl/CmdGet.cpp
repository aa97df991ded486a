#include "Commands.h"
#include "CtlLink.h"
#include "CtlOutput.h"
#include "TargetCheck.h"

#include <vector>

int RunGet(const TCtlOptions &options, const QStringList &arguments)
{
    if (arguments.isEmpty())
        return Fail(ExitUsage, QStringLiteral("get needs at least one NAME"));
    std::vector<TVariableAddress> targets;
    for (const QString &argument : arguments) {
        TVariableAddress address;
        const QString error = ParseUsableTarget(argument, address);
        if (!error.isEmpty())
            return Fail(ExitUsage, error);
        targets.push_back(address);
    }

    TCtlLink link(options);
    if (!link.Connect(false))
        return Fail(ExitDeviceFailure, link.LastError());
    for (const TVariableAddress &target : targets) {
        const std::optional<uint16_t> value = link.Read(target);
        if (!value)
            return Fail(ExitDeviceFailure, link.LastError());
        const int element = target.HasElement() ? target.Element : link.CurrentElement(target.VarNumber);
        PrintResult(QStringLiteral("%1=%2").arg(VariableAddress::TargetName(target.VarNumber, element)).arg(*value));
    }
    return ExitSuccess;
}
