#include "CtlOutput.h"

#include <cstdio>

void PrintResult(const QString &line)
{
    PrintRaw((line + QLatin1Char('\n')).toLocal8Bit());
}

void PrintRaw(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void PrintError(const QString &message)
{
    std::fprintf(stderr, "morlixctl: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

int Fail(int exitCode, const QString &message)
{
    PrintError(message);
    return exitCode;
}

bool PrintWriteOutcome(const QString &name, uint16_t reported, uint32_t written)
{
    PrintResult(QStringLiteral("%1=%2").arg(name).arg(reported));
    if (reported == written)
        return true;
    PrintError(QStringLiteral("%1: the device kept %2 instead of %3").arg(name).arg(reported).arg(written));
    return false;
}
