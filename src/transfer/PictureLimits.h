#pragma once
#include <cmath>
#include <cstdint>

// The device's picture memories, in the units its loader counts them.
namespace PictureLimits {

// Destination kinds, as they travel in the transfer flags byte.
constexpr int KindFrame = 1;
constexpr int KindStillLogo = 2;
constexpr int KindAnimatedLogo = 3;

// Destination numbers: the still logos are 1 to StillLogoCount, the animated
// logo is numbered after them, and the frame is 1.
constexpr int StillLogoCount = 4;
constexpr int AnimatedLogoNumber = StillLogoCount + 1;

// The bit of PVALID that tells whether a destination holds a picture: the
// device reports three memories, bit 1 for logo 1, bit 2 for logo 2 and bit 3
// for the frame (bit 0 means "logo off"). The other destinations have no bit:
// -1.
constexpr int ValidBitOf(int kind, int number)
{
    if (kind == KindStillLogo && (number == 1 || number == 2))
        return number;
    if (kind == KindFrame && number == 1)
        return 3;
    return -1;
}

// Still logos and frames are counted in 64 KiB blocks of 24-bit pixels.
constexpr int64_t BlockBytes = 65536;
constexpr int64_t MaxStillLogoBlocks = 12;
constexpr int64_t MaxFrameBlocks = 95;

// Animated logos are counted in units of 384 pixels; the memory holds
// 0x2AAAAA / 384 of them, and a strip holds at most 255 frames.
constexpr int64_t AnimatedUnitPixels = 384;
constexpr int64_t AnimatedMemoryUnits = 0x2AAAAA / AnimatedUnitPixels; // 7281
constexpr int MaxAnimatedFrames = 255;

// No destination holds a single picture of more pixels than the animated
// logo memory; a file announcing more is refused before it is decoded.
constexpr int64_t MaxPicturePixels = AnimatedMemoryUnits * AnimatedUnitPixels;

// Whether a picture of that size is more than any destination holds; the
// product is taken in 64 bits, so no header can overflow it.
constexpr bool ExceedsLargestDestination(int64_t width, int64_t height)
{
    return width * height > MaxPicturePixels;
}

// All frames of one GIF together: generous against what any strip can hold,
// small enough that a hostile file cannot make the loader allocate gigabytes.
constexpr int64_t MaxDecodedGifPixels = 64 * 1024 * 1024;

// The height of one frame of a strip holding frameCount frames, rounded to
// nearest with ties to even; a strip without frames counts as one frame.
inline int64_t FrameHeightOf(int64_t height, int frameCount)
{
    if (frameCount < 1)
        return height;
    return int64_t(std::nearbyint(double(height) / frameCount));
}

} // namespace PictureLimits
