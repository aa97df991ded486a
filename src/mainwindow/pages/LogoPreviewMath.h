#pragma once
// The arithmetic between the device's pixels and the 0 to 255 scale of the
// logos page's preview. Results round to the nearest integer, halves to
// even. Every conversion that would divide by an unknown size, or place a
// picture at least as large as the output, gives nothing; the arithmetic is
// signed, so a logo wider than the output never wraps into a huge offset.
#include <cstdint>
#include <optional>

namespace LogoPreviewMath {

// Output pixels as 0..255 of an output `outputSize` pixels long.
std::optional<uint32_t> ToScale(int64_t pixels, int64_t outputSize);
// 0..255 of the output back to output pixels.
std::optional<int64_t> FromScale(uint32_t scale, int64_t outputSize);

// A logo's left (top) edge as 0..255 of its free travel, the output less the
// logo: nothing when the logo does not fit strictly inside the output.
std::optional<uint32_t> TravelToScale(int64_t edge, int64_t outputSize, int64_t logoSize);
// Back to the edge in pixels; a logo exactly as large as the output stays at
// 0, a larger one gives nothing.
std::optional<int64_t> TravelFromScale(uint32_t scale, int64_t outputSize, int64_t logoSize);

// The size link: the height for a width (width / ratio) and the width for a
// height (height x ratio), nothing without a ratio above 0.
std::optional<int64_t> LinkedHeight(int64_t width, double ratio);
std::optional<int64_t> LinkedWidth(int64_t height, double ratio);

} // namespace LogoPreviewMath
