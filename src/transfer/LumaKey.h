#pragma once
#include <QImage>
#include <QRgb>
#include <cstdint>

enum TProcessLLumtype { plBLACK = 0, plWHITE = 1 };

// Y = 0.299 R + 0.587 G + 0.114 B in extended precision, rounded to the
// nearest integer with ties to even.
int Luma(int red, int green, int blue);

// Whether a pixel of that luma is see-through for the given level and type.
// Level 0 keys nothing.
inline bool IsKeyed(int luma, uint8_t level, TProcessLLumtype type)
{
    return type == plBLACK ? luma < level : 255 - luma < level;
}

// The two pictures one keying produces from a 24-bit source of the same size:
// what the device receives (keyed pixels black) and what the operator sees
// (keyed pixels in the key colour).
struct TKeyedPictures
{
    QImage Processed;
    QImage Preview;
};

TKeyedPictures ApplyLumaKeyTo(const QImage &source, uint8_t level, TProcessLLumtype type, QRgb keyColor);
