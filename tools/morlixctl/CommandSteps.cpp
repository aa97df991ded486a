#include "CommandSteps.h"
#include "CtlOutput.h"

QString ReportedName(const TCtlLink &link, const TVariableAddress &target)
{
    const int element = target.HasElement() ? target.Element : link.CurrentElement(target.VarNumber);
    return VariableAddress::TargetName(target.VarNumber, element);
}

TWriteOutcome WriteAndReport(TCtlLink &link, const TVariableAssignment &assignment)
{
    const TVariableAddress &target = assignment.Address;
    const std::optional<uint16_t> reported = link.Write(target, uint16_t(assignment.Value));
    if (!reported)
        return woNoReply;
    const QString name = ReportedName(link, target);
    PrintResult(QStringLiteral("%1=%2").arg(name).arg(*reported));
    if (*reported == assignment.Value)
        return woKept;
    PrintError(QStringLiteral("%1: the device kept %2 instead of %3").arg(name).arg(*reported).arg(assignment.Value));
    return woChanged;
}
