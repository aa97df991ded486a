#pragma once
#include "CadrageGeometry.h"

#include <QPoint>
#include <QSize>
#include <cstdint>

// The mapping between the two-logo framing control's pixels and the 0 to 255
// scale of the output picture, and its hit regions.

enum TFORCEMismatchx { _FMIDontCare, _FMMismatch, _FMNoMismatch };

// The paint area takes the proportions of the output format; an output whose
// ratio is none of the known ones keeps the previous area.
QSize LogoPaintAreaSize(uint16_t outputWidth, uint16_t outputHeight, QSize previous);

// A 0..255 value of the picture as pixels of an axis `extent` pixels long.
int ScaleToPixels(uint32_t value, int extent);
// A pixel value back to 0..255 of the picture; negative pixels count as 0.
uint32_t PixelsToScale(int pixels, int extent);

// A logo of `logoLength` pixels travels from the left (0) to the right (255) border.
int LogoStartForPos(uint32_t pos, int extent, int logoLength);
uint32_t LogoPosForStart(int start, int extent, int logoLength);

// Where the pointer is on the capture rectangle: the grip at its top-left
// corner, the move area (the top-left three quarters), the width band on its
// right, the height band below, or the corner grip at the bottom right.
enum class TCaptureRegion { None, TopLeftGrip, Move, Width, Height, Corner };
TCaptureRegion CaptureRegionAt(QPoint pointer, const TCadrageBox &capture);
// The strict move area, where a press remembers where it grabbed.
bool InCaptureMoveArea(QPoint pointer, const TCadrageBox &capture);

bool InsideLogo(QPoint pointer, const TCadrageBox &logo);
bool NearLogoGrip(QPoint pointer, const TCadrageBox &logo);

// The stored logo is larger than the output picture (or the owner says so).
bool LogoMismatch(TFORCEMismatchx force, uint16_t outputWidth, uint16_t outputHeight, uint16_t logoWidth,
                  uint16_t logoHeight);
