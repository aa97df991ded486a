#pragma once
#include "CtlOptions.h"

#include <QStringList>

// One command of the client: its word, how it is called, what it does, and
// the function that runs it with the arguments after the word. A new
// command is one entry in CommandTable.cpp and one function in its own file.
struct TCtlCommand
{
    const char *Name;
    const char *Synopsis;
    const char *Summary;
    int (*Run)(const TCtlOptions &options, const QStringList &arguments);
};

const TCtlCommand *FindCommand(const QString &name);
QString HelpText();

int RunVars(const TCtlOptions &options, const QStringList &arguments);
int RunGet(const TCtlOptions &options, const QStringList &arguments);
int RunSet(const TCtlOptions &options, const QStringList &arguments);
int RunDump(const TCtlOptions &options, const QStringList &arguments);
int RunRestore(const TCtlOptions &options, const QStringList &arguments);
int RunWatch(const TCtlOptions &options, const QStringList &arguments);
int RunRaw(const TCtlOptions &options, const QStringList &arguments);
int RunConvert(const TCtlOptions &options, const QStringList &arguments);
int RunUpload(const TCtlOptions &options, const QStringList &arguments);
int RunDownload(const TCtlOptions &options, const QStringList &arguments);
int RunConfig(const TCtlOptions &options, const QStringList &arguments);
int RunPreset(const TCtlOptions &options, const QStringList &arguments);
