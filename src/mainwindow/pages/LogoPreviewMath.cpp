#include "LogoPreviewMath.h"

#include <cmath>

namespace LogoPreviewMath {

namespace {

int64_t RoundHalfEven(double value)
{
    return int64_t(std::nearbyint(value));
}

} // namespace

std::optional<uint32_t> ToScale(int64_t pixels, int64_t outputSize)
{
    if (outputSize <= 0 || pixels < 0)
        return std::nullopt;
    return uint32_t(RoundHalfEven(double(pixels) * 255.0 / double(outputSize)));
}

std::optional<int64_t> FromScale(uint32_t scale, int64_t outputSize)
{
    if (outputSize <= 0)
        return std::nullopt;
    return RoundHalfEven(double(outputSize) * double(scale) / 255.0);
}

std::optional<uint32_t> TravelToScale(int64_t edge, int64_t outputSize, int64_t logoSize)
{
    return ToScale(edge, outputSize - logoSize);
}

std::optional<int64_t> TravelFromScale(uint32_t scale, int64_t outputSize, int64_t logoSize)
{
    const int64_t travel = outputSize - logoSize;
    if (travel < 0)
        return std::nullopt;
    return RoundHalfEven(double(travel) * double(scale) / 255.0);
}

std::optional<int64_t> LinkedHeight(int64_t width, double ratio)
{
    if (!(ratio > 0))
        return std::nullopt;
    return RoundHalfEven(double(width) / ratio);
}

std::optional<int64_t> LinkedWidth(int64_t height, double ratio)
{
    if (!(ratio > 0))
        return std::nullopt;
    return RoundHalfEven(double(height) * ratio);
}

} // namespace LogoPreviewMath
