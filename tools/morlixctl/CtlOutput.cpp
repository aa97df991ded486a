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
