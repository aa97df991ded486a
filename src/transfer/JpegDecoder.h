#pragma once
#include "transfer/PictureDecodeResult.h"

#include <QByteArray>
#include <QImage>

// Decodes a JPEG file into a 24-bit picture. The header is checked against
// the largest destination before decoding; a damaged or truncated file is
// refused rather than shown half grey.
TDecoded<QImage> DecodeJpeg(const QByteArray &data);
