#include "Commands.h"
#include "CtlLink.h"
#include "CtlOutput.h"
#include "config/KeyValueFile.h"
#include "link/ResendProgress.h"
#include "variables/VariableTable.h"

namespace {
// Every element the device can address, in table order: the text a restore
// reads back. The simulator's --state accepts it too.
QStringList MirrorLines(const TComDriver &driver)
{
    QStringList lines;
    for (int n = 0; n < VarTableSize; ++n)
        for (int e = VariableAddress::FirstUsedElement(n); e <= VariableAddress::LastUsedElement(n); ++e)
            lines << QStringLiteral("%1=%2").arg(VariableAddress::TargetName(n, e)).arg(driver.GetVarElement(n, e));
    return lines;
}
} // namespace

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
    const QStringList lines = MirrorLines(link.Driver());
    if (outputFile.isEmpty()) {
        PrintRaw((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit());
        return ExitSuccess;
    }
    QString error;
    if (!KeyValueFile::Write(outputFile, lines, &error))
        return Fail(ExitDeviceFailure, QStringLiteral("cannot write %1: %2").arg(outputFile, error));
    return ExitSuccess;
}
