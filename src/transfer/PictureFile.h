#pragma once
#include "transfer/GifImage.h"
#include "transfer/PictureDecodeResult.h"

#include <QImage>
#include <QString>

// A picture file as the loader understands it: a still picture, or an
// animation when the file is a GIF.
struct TPictureFile
{
    enum TKind { pkStill, pkAnimated };
    TKind Kind = pkStill;
    QImage Still;
    TGifImage Animated;
};

// Chooses the decoder by the file's extension, whatever its case: ".gif" is an
// animation, ".jpg" and ".jpeg" are JPEG, anything
// else is read as a bitmap or icon. Metafiles are refused by name.
TDecoded<TPictureFile> LoadPictureFile(const QString &path);
