#pragma once
#include "transfer/GifImage.h"
#include "transfer/LumaKey.h"

#include <QString>
#include <QStringList>
#include <optional>

class TLogoFrameProcess;

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

// What a converted picture file holds for a transfer.
struct TConvertedPicture
{
    bool Animated = false;
    int FrameCount = 1;
    int FrameDelayMs = 0; // the first frame's delay, for an animation
};

// The delay the animation record carries for a GIF: its first frame's,
// in milliseconds, held to 65535.
int FirstFrameDelayMs(const TGifImage &gif);

// Loads FILE and converts it for a destination kind as the loader window
// would, into process. Returns the refusal the operator would see, or nothing.
// kind 0 chooses: the animated logo for a GIF, a still logo otherwise.
std::optional<QString> ConvertPictureFile(const QString &path, int &kind, uint8_t keyLevel, TProcessLLumtype keyType,
                                          TLogoFrameProcess &process, TConvertedPicture &converted);
