#include "Commands.h"

#include <iterator>

namespace {
// clang-format off
const TCtlCommand CommandTable[] = {
    {"vars", "vars", "the variable table: number, name, send and reply mnemonics, min, max, default, and for arrays the size and index variables", RunVars},
    {"get", "get NAME...", "prints NAME=VALUE as the device reports each variable (NAME[i] for element i of an array)", RunGet},
    {"set", "set NAME=VALUE...", "writes each value and prints the value the device reports", RunSet},
    {"dump", "dump [--output FILE]", "reads every variable as the application does on connecting and prints it", RunDump},
    {"restore", "restore FILE", "writes every setting of a dump back, except status and command variables", RunRestore},
    {"watch", "watch [--raw]", "prints every report as TIME NAME=VALUE (or the raw text) until interrupted", RunWatch},
    {"raw", "raw TEXT", "sends TEXT as it is and prints what comes back within the timeout", RunRaw},
    {"convert", "convert FILE OUT.bmp [--kind logo|frame|anim] [--key LEVEL] [--white] [--preview OUT2.png]",
     "converts a picture into a logo or frame offline", RunConvert},
    {"upload", "upload FILE --dest logo:N|anim|frame [--key LEVEL] [--white] [--no-interlace]",
     "converts FILE as the loader window would and sends it to a logo or frame memory of the device", RunUpload},
    {"download", "download --dest logo:N|anim|frame OUT.bmp [--no-interlace]",
     "reads a stored logo or frame back from the device into a bitmap (a JPEG for .jpg)", RunDownload},
    {"config", "config save FILE.mlx [--caption N=TEXT]... | config load FILE.mlx [--tick MS]",
     "save: reads the zoom in use and presets 1 to 8 and writes them with the captions (empty unless given) as a "
     "configuration file; load: checks the file, then sends presets 1 to 8 one step per tick (400 ms unless "
     "--tick) and prints the file's captions as CAPTION N=TEXT; the zoom in use is left as it was", RunConfig},
    {"preset", "preset store|recall N [--tick MS]",
     "store: copies the zoom in use into preset N (1 to 8); recall: copies preset N into the zoom in use; "
     "one step per tick (400 ms unless --tick)", RunPreset},
};
// clang-format on

const char *const HelpIntro =
    "usage: morlixctl [--tcp HOST:PORT | --udp HOST:PORT [--local-port N] | --serial DEVICE [--baud N]]\n"
    "                 [--timeout MS] COMMAND [ARGS]\n"
    "\n"
    "Controls a Morlix video scaler from the command line. The default link is\n"
    "--tcp 127.0.0.1:10500; --timeout (default 2000) is how long the device may stay\n"
    "silent before a command gives up. Names are case-insensitive and variable\n"
    "numbers are accepted in their place.\n"
    "\n"
    "Commands:\n";

const char *const HelpOutro =
    "\n"
    "Exit codes: 0 success, 1 the device did not answer or refused, 2 usage error\n"
    "(unknown command, unknown variable, bad value). Errors go to standard error,\n"
    "results alone to standard output.\n";
} // namespace

const TCtlCommand *FindCommand(const QString &name)
{
    for (const TCtlCommand &command : CommandTable)
        if (name == QLatin1String(command.Name))
            return &command;
    return nullptr;
}

QString HelpText()
{
    QString text = QLatin1String(HelpIntro);
    for (const TCtlCommand &command : CommandTable)
        text += QStringLiteral("  %1\n      %2\n").arg(QLatin1String(command.Synopsis), QLatin1String(command.Summary));
    return text + QLatin1String(HelpOutro);
}
