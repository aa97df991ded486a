#pragma once
#include "transfer/GifImage.h"
#include "transfer/PictureDecodeResult.h"

#include <QByteArray>

// Decodes every image of a GIF file with its placement, disposal method,
// transparent colour and delay. The screen is checked against the largest
// destination before any image is decoded; a damaged or truncated file, an
// image outside the screen or a file without any image is refused.
TDecoded<TGifImage> DecodeGif(const QByteArray &data);
