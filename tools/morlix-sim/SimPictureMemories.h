#pragma once
#include "transfer/PictureLimits.h"

#include <QImage>
#include <array>
#include <cstdint>

// The device's picture memories: four still logos, one animated logo and
// one frame, each empty until a transfer stores a picture in it.
struct SimStoredPicture
{
    QImage Picture; // all frames stacked, 24-bit
    int FrameHeight = 0;
    uint8_t FrameCount = 1;
    uint16_t DelayMs = 0;

    bool IsEmpty() const { return Picture.isNull(); }
};

class SimPictureMemories
{
public:
    // The memory a destination kind and number name, or null for none.
    SimStoredPicture *Memory(int kind, int number);

    // PVALID: bit 1 set while logo 1 holds a picture, bit 2 for logo 2, bit 3
    // for the frame; bit 0 kept from the current value (it means "logo
    // off"). The other logos have no bit.
    uint16_t ValidBits(uint16_t current) const;

private:
    std::array<SimStoredPicture, PictureLimits::StillLogoCount> m_stillLogos;
    SimStoredPicture m_animatedLogo;
    SimStoredPicture m_frame;
};
