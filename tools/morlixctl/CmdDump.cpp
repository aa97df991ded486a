#include "Commands.h"
#include "CtlLink.h"
#include "CtlOutput.h"
#include "config/KeyValueFile.h"
#include "link/MirrorDump.h"
#include "link/ResendProgress.h"

int RunDump(const TCtlOptions &options, const QStringList &arguments)
{
    QString outputFile;
    if (arguments.size() == 2 && arguments[0] == QLatin1String("--output"))
        outputFile = arguments[1];
    else if (!arguments.isEmpty())
        return Fail(ExitUsage, QStringLiteral("usage: dump [--output FILE]"));

    TCtlLink link(options);
    const bool drawing = ProgressOnTerminal();
    bool drawn = false;
    TResendProgress resend(link.Driver());
    QObject::connect(&resend, &TResendProgress::Progressed, [&](int received, int expected) {
        if (!drawing)
            return;
        DrawProgressBar(100 * received / expected, QStringLiteral("%1 of %2 values").arg(received).arg(expected));
        drawn = true;
    });
    const bool connected = link.Connect(true);
    if (drawn)
        EndProgressBar();
    if (!connected)
        return Fail(ExitDeviceFailure, link.LastError());
    const QStringList lines = MirrorDump::Lines(link.Driver());
    if (outputFile.isEmpty()) {
        PrintRaw((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit());
        return ExitSuccess;
    }
    QString error;
    if (!KeyValueFile::Write(outputFile, lines, &error))
        return Fail(ExitDeviceFailure, QStringLiteral("cannot write %1: %2").arg(outputFile, error));
    return ExitSuccess;
}
