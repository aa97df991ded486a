#include "Commands.h"
#include "CtlOutput.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TCtlOptions options;
    const QString usageError = ParseCtlOptions(app.arguments().mid(1), options);
    if (!usageError.isEmpty())
        return Fail(ExitUsage, usageError);
    if (options.Help) {
        PrintRaw(HelpText().toLocal8Bit());
        return ExitSuccess;
    }
    const TCtlCommand *command = FindCommand(options.Command);
    if (!command)
        return Fail(ExitUsage, QStringLiteral("unknown command %1 (morlixctl --help lists them)").arg(options.Command));
    return command->Run(options, options.Arguments);
}
