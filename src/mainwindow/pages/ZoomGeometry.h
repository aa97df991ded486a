#pragma once
// The arithmetic of the zoom page, apart from its widgets: conversion C
// between device values and the preview's 0 to 255 scale, the numeric
// fields' ranges in each unit mode, the preview's height and the black band
// rule.
#include <QString>
#include <cstdint>

namespace ZoomGeometry {

// Pixel-unit values are offsets around 32768 covering -10000 to +10000.
constexpr int PixelCentre = 32768;
constexpr int PixelLow = 22768;
constexpr int PixelHigh = 42768;
constexpr int PercentHigh = 10000;

// Device value to the preview's 0 to 255 scale (rounded towards minus
// infinity), in percent (0 to 10000) or pixel units (22768 to 42768).
int ToCaption(int deviceValue, bool pixelUnits);
// The preview's 0 to 255 back to a device value, halves to even.
int ToDevice(int caption, bool pixelUnits);
// Sizes (OHSIZE, OVSIZE, ZMHSIZE, ZMVSIZE) on the preview's scale: 32768 -
// value through the pixel limits.
int SizeCaption(int size);

// The range of a zoom field (ZMHPOS, ZMVPOS, ZMHSIZE, ZMVSIZE) in a mode:
// the field's positions, what they show, the suffix, and the device values
// the positions stand for (a pixel position p is the value p + Offset).
struct TFieldRange
{
    int Min;
    int Max;
    int DisplayMin;
    int DisplayMax;
    QString Suffix;
    int Offset;

    int DeviceMin() const { return Min + Offset; }
    int DeviceMax() const { return Max + Offset; }
};
TFieldRange FieldRange(bool isPosition, bool pixelUnits);

// The preview's height for the output picture's size: its aspect ratio in
// steps of 1 % of the width, 0 while the width is unknown, never above
// maxHeight whatever sizes the device reports.
int PreviewHeight(uint16_t outputWidth, uint16_t outputHeight, int previewWidth, int maxHeight);

// The preview's zoom size (percent of the picture) of a device zoom size:
// tenths of a percent, or pixels of the output size (nothing while it is 0).
int ZoomSizePercent(int deviceSize, bool pixelUnits, uint16_t outputSize, int previous);
// The device zoom size of the preview's percent (0 while the output size is
// 0 in pixel units), not yet clamped.
int ZoomSizeDevice(int percent, bool pixelUnits, uint16_t outputSize);

// Hatched bands on a 4:3 picture shown on a 4:3 output.
bool BlackBands(uint16_t outputAspect, uint16_t outputFormat, uint16_t inputFormat, uint16_t inputAspect);

} // namespace ZoomGeometry
