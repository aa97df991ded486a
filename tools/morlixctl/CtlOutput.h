#pragma once
#include <QString>

// Exit codes of every command.
enum TCtlExitCode : int {
    ExitSuccess = 0,
    ExitDeviceFailure = 1, // the device did not answer or refused
    ExitUsage = 2,         // unknown command, unknown variable, bad value
};

// Standard output carries the results only, so that scripts can pipe them;
// each line goes out at once, which matters to a watch read through a pipe.
void PrintResult(const QString &line);
// Writes raw text to standard output as it is.
void PrintRaw(const QByteArray &bytes);
// One line on standard error naming what failed.
void PrintError(const QString &message);
// PrintError, then the exit code, for "return Fail(...)".
int Fail(int exitCode, const QString &message);


// Whether progress is drawn: only when standard error is a terminal.
bool ProgressOnTerminal();
// Redraws the progress line on standard error: "[####    ] " and after.
void DrawProgressBar(int percent, const QString &after);
// Ends the progress line.
void EndProgressBar();
