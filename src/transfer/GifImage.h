#pragma once
#include <QRgb>
#include <array>
#include <cstdint>
#include <vector>

// One image of a GIF file as the file describes it: palette indices and the
// graphic control settings that apply to it.
struct TGifFrame
{
    enum TDisposal { dmUnspecified = 0, dmKeep = 1, dmBackground = 2, dmPrevious = 3 };

    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Disposal = dmUnspecified;
    int DelayCs = 0;           // hundredths of a second
    int TransparentIndex = -1; // -1 when the frame has no transparent colour
    // Always 256 entries, so that any index a file may hold has a colour;
    // entries beyond the file's table are black.
    std::array<QRgb, 256> Palette{};
    std::vector<uint8_t> Indices; // Width * Height, top row first, deinterlaced

    bool IsEmpty() const { return Width <= 0 || Height <= 0 || Indices.empty(); }
    bool HasMask() const { return TransparentIndex >= 0; }
    QRgb TransparentColor() const { return HasMask() ? Palette[TransparentIndex] : qRgb(0, 0, 0); }
    uint8_t IndexAt(int x, int y) const { return Indices[size_t(y) * size_t(Width) + size_t(x)]; }
    QRgb ColorAt(int x, int y) const { return Palette[IndexAt(x, y)]; }
    // Set for the see-through pixels of the frame.
    bool MaskAt(int x, int y) const { return HasMask() && IndexAt(x, y) == TransparentIndex; }
};

struct TGifImage
{
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    QRgb Background = qRgb(0, 0, 0);
    std::vector<TGifFrame> Frames;

    bool IsTransparent() const
    {
        for (const TGifFrame &frame : Frames)
            if (frame.HasMask())
                return true;
        return false;
    }
};
