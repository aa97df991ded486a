#pragma once
#include "transfer/PictureDecodeResult.h"

#include <QByteArray>
#include <QImage>

// Reads a Windows bitmap or icon into a 24-bit picture. Any other content,
// whatever the file is called, is refused: the loader sends every extension
// it does not know to this reader, and a GIF or PNG must not slip through as
// a still picture.
TDecoded<QImage> DecodeBitmap(const QByteArray &data);
