#include "Commands.h"
#include "CtlOutput.h"
#include "transfer/PictureConvertCommand.h"

int RunConvert(const TCtlOptions &, const QStringList &arguments)
{
    const TCommandOutcome outcome = RunPictureConvert(arguments);
    if (outcome.ExitCode != ExitSuccess)
        return Fail(outcome.ExitCode, QString(outcome.Message).replace(QLatin1Char('\n'), QLatin1String("; ")));
    PrintResult(outcome.Message);
    return ExitSuccess;
}
