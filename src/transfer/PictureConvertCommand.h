#pragma once
#include <QString>
#include <QStringList>

// The offline conversion of the command-line client:
//   convert FILE OUT.bmp [--kind logo|frame|anim] [--key LEVEL] [--white] [--preview OUT2.png]
// converts FILE as the loader window would, checks it against the chosen
// destination kind (by default anim for a GIF, logo otherwise) and writes the
// processed picture as a 24-bit bitmap, and the preview when asked.
struct TCommandOutcome
{
    int ExitCode = 0; // 0 done, 1 picture refused or not written, 2 wrong arguments
    QString Message;  // what the client prints
};

// arguments: everything after the word "convert".
TCommandOutcome RunPictureConvert(const QStringList &arguments);
