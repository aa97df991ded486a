#pragma once
// Builds small GIF files for the tests with giflib's encoder.
#include <QByteArray>
#include <QRgb>
#include <cstdint>
#include <vector>

struct TTestGifFrame
{
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Disposal = 0;
    int TransparentIndex = -1;
    int DelayCs = 0;
    bool Interlaced = false;
    std::vector<uint8_t> Indices;   // Width * Height, top row first
    std::vector<QRgb> LocalPalette; // empty: the global palette
};

struct TTestGif
{
    int Width = 0;
    int Height = 0;
    int BackgroundIndex = 0;
    std::vector<QRgb> Palette; // global palette
    std::vector<TTestGifFrame> Frames;
};

// A frame of one colour index.
TTestGifFrame SolidFrame(int left, int top, int width, int height, uint8_t index, int disposal = 0);

QByteArray EncodeGif(const TTestGif &gif);

// Overwrites the logical screen size in an encoded GIF.
void PatchGifScreen(QByteArray &gif, int width, int height);
