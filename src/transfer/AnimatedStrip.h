#pragma once
#include "transfer/GifImage.h"

#include <QImage>
#include <vector>

// The frames of an animation stacked top to bottom, each in a slot as wide as
// the widest frame and as high as the tallest.
struct TStripLayout
{
    std::vector<const TGifFrame *> Frames; // the images that hold pixels, in file order
    int SlotWidth = 0;
    int SlotHeight = 0;

    int FrameCount() const { return int(Frames.size()); }
    int StripHeight() const { return FrameCount() * SlotHeight; }
};

TStripLayout LayoutStrip(const TGifImage &gif);

// Paints every frame into its slot, keeping what its disposal method leaves
// of the previous slot; see-through pixels become black and opaque black
// becomes red 1, green 1, blue 1 so that it stays visible.
QImage ComposeStrip(const TGifImage &gif, const TStripLayout &layout);
