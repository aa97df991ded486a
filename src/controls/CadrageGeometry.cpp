#include "CadrageGeometry.h"

#include "PixelRounding.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int ScaleMax = 255;
constexpr int ScaleMiddle = 127;

TCadrageSpan ImageSpan(const TCadrageAxisValues &values, int extent)
{
    const int reduction = std::max(values.imageSize, 1000);
    TCadrageSpan span;
    span.length = RoundHalfEven(extent / (1 + (reduction - 1000) * 0.001));
    span.start = RoundHalfEven(double(values.imagePos) * (extent - span.length) / ScaleMax);
    return span;
}

// Pixel-unit mode: the sum of the output and window sizes the position scale spans.
int PixelUnitSpan(const TCadrageAxisValues &values)
{
    return values.outputSize + values.windowSize;
}

} // namespace

TCadrageAxisLayout LayoutCadrageAxis(const TCadrageAxisValues &values, bool pixelUnits, int extent,
                                     int previousZoomStart)
{
    TCadrageAxisLayout layout;
    layout.image = ImageSpan(values, extent);
    const int il = layout.image.start;
    const int iw = layout.image.length;
    const int zw = RoundHalfEven(iw / 100.0 * values.zoomSize);
    layout.zoom.length = zw;
    layout.zoom.start = previousZoomStart;
    if (!pixelUnits) {
        // 0 lays the zoom rectangle just outside the image on the left, 255 just outside on the right.
        const int64_t travel = int64_t(iw + zw) * values.zoomPos;
        layout.zoom.start = (il - zw) + RoundHalfEven(double(travel) / ScaleMax);
    } else if (const int span = PixelUnitSpan(values); span != 0) {
        const double offset = values.zoomPos - (ScaleMiddle - values.windowSize);
        layout.zoom.start = RoundHalfEven(double(iw + zw) / span * offset + (il - zw));
    }
    return layout;
}

std::optional<int> ZoomPosForStart(int zoomStart, const TCadrageAxisLayout &layout,
                                   const TCadrageAxisValues &values, bool pixelUnits)
{
    const int il = layout.image.start;
    const int travel = layout.image.length + layout.zoom.length;
    if (travel == 0)
        return std::nullopt;
    const double pixels = zoomStart - il + layout.zoom.length;
    int pos;
    if (!pixelUnits) {
        pos = RoundHalfEven(pixels * ScaleMax / travel);
    } else {
        const int span = PixelUnitSpan(values);
        if (span == 0)
            return std::nullopt;
        pos = RoundHalfEven(pixels * span / travel + (ScaleMiddle - values.windowSize));
    }
    return std::clamp(pos, 0, ScaleMax);
}

std::optional<int> ZoomSizeForEdge(int edge, bool leadingEdge, const TCadrageAxisLayout &layout,
                                   const TCadrageAxisValues &values, bool pixelUnits)
{
    int size;
    if (!pixelUnits) {
        const double il = layout.image.start;
        const double iw = layout.image.length;
        const double p = values.zoomPos;
        const double divisor = leadingEdge ? (p - ScaleMax) * iw : p * iw;
        if (divisor == 0)
            return std::nullopt;
        size = RoundHalfEven(100.0 * (ScaleMax * double(edge) - iw * p - ScaleMax * il) / divisor);
    } else {
        // The position value alone places the start, so the size follows the
        // distance from the edge that stays to the mouse.
        const int zw = layout.zoom.length;
        if (zw == 0)
            return std::nullopt;
        const int distance = leadingEdge ? layout.zoom.end() - edge : edge - layout.zoom.start;
        size = RoundHalfEven(double(values.zoomSize) * std::abs(distance) / std::abs(zw));
    }
    return std::max(size, 0);
}

std::optional<std::pair<int, int>> ZoomSizesForCorner(int width, double ratio, int maximumTenths)
{
    if (!(ratio > 0))
        return std::nullopt;
    const double maximum = maximumTenths / 10.0;
    if (width > maximum)
        width = RoundHalfEven(maximum);
    else if (width / ratio > maximum)
        width = RoundHalfEven(maximum * ratio);
    const double height = width / ratio;
    if (width < 1 || width > maximum || height <= 0 || height > maximum)
        return std::nullopt;
    return std::make_pair(width, RoundHalfEven(height));
}
