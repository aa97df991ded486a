#include "CtlOutput.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {
constexpr int ProgressBarWidth = 30;
} // namespace

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

bool ProgressOnTerminal()
{
    return isatty(STDERR_FILENO);
}

void DrawProgressBar(int percent, const QString &after)
{
    const int filled = std::clamp(percent, 0, 100) * ProgressBarWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %s", QByteArray(filled, '#').constData(),
                 QByteArray(ProgressBarWidth - filled, ' ').constData(), after.toLocal8Bit().constData());
    std::fflush(stderr);
}

void EndProgressBar()
{
    std::fprintf(stderr, "\n");
    std::fflush(stderr);
}
