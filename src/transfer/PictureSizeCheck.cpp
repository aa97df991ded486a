#include "transfer/PictureSizeCheck.h"

#include "transfer/PictureLimits.h"

#include <cstdint>

using namespace PictureLimits;

namespace {

int64_t StillBlocks(int64_t width, int64_t height)
{
    return width * height * 3 / BlockBytes + 1;
}

TSizeVerdict Refuse(const char *message)
{
    return {false, QString::fromLatin1(message)};
}

TSizeVerdict CheckAnimated(int64_t width, int64_t height, int frameCount)
{
    // A strip without frames cannot be divided into them.
    if (frameCount < 1)
        return {};
    const int64_t frameHeight = FrameHeightOf(height, frameCount);
    const int64_t framePixels = width * frameHeight;
    if (framePixels < 1)
        return {};
    const int64_t unitsPerFrame = (framePixels + AnimatedUnitPixels - 1) / AnimatedUnitPixels;
    const int64_t capacity = AnimatedMemoryUnits / unitsPerFrame;
    if (capacity < frameCount)
        return Refuse("Picture exceed animated logo size");
    if (frameCount > MaxAnimatedFrames)
        return Refuse("Animated logo exceed maximum frames number");
    return {true, {}};
}

} // namespace

TSizeVerdict CheckPictureSizeOf(int kind, int width, int height, int frameCount)
{
    if (width < 1 || height < 1)
        return {};
    switch (kind) {
    case KindStillLogo:
        if (StillBlocks(width, height) > MaxStillLogoBlocks)
            return Refuse("Picture exceed logo size");
        return {true, {}};
    case KindFrame:
        if (StillBlocks(width, height) > MaxFrameBlocks)
            return Refuse("Picture exceed frame size");
        return {true, {}};
    case KindAnimatedLogo:
        return CheckAnimated(width, height, frameCount);
    default:
        return {};
    }
}
