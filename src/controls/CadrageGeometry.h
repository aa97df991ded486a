#pragma once
#include <QRect>
#include <optional>
#include <utility>

// The mapping between the pixels of the zoom framing control and its scales.
// Both axes follow the same rules, so everything here works on one axis at a
// time: the caller passes the horizontal or the vertical values.

enum TCadrageAxis { CadrageHorizontal = 0, CadrageVertical = 1 };

// The values of one axis as the owner assigns them.
struct TCadrageAxisValues {
    int imagePos = 0;   // place of the image rectangle in the free space, 0 to 255
    int imageSize = 0;  // reduction of the image rectangle, thousandths (1000 = full)
    int zoomPos = 0;    // zoom rectangle position, 0 to 255
    int zoomSize = 0;   // zoom rectangle size, percent of the image rectangle
    int outputSize = 0; // pixel-unit mode: output picture size, distance from 127
    int windowSize = 0; // pixel-unit mode: zoom window size, distance from 127
};

struct TCadrageSpan {
    int start = 0;
    int length = 0;
    int end() const { return start + length; }
};

// Where the two rectangles lie on one axis, in control pixels.
struct TCadrageAxisLayout {
    TCadrageSpan image;
    TCadrageSpan zoom;
};

struct TCadrageBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const TCadrageBox &o) const
    {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

inline QRect ToQRect(const TCadrageBox &box)
{
    return QRect(box.left, box.top, box.width, box.height);
}

// The square both framing controls draw on a grip point of a rectangle.
constexpr int GripHalf = 3;
inline QRect GripSquare(QPoint centre)
{
    return QRect(centre.x() - GripHalf, centre.y() - GripHalf, 2 * GripHalf, 2 * GripHalf);
}

inline TCadrageBox BoxFromSpans(const TCadrageSpan &h, const TCadrageSpan &v)
{
    return {h.start, v.start, h.length, v.length};
}

// Lays out one axis of a control `extent` pixels long (its size minus 1). In
// pixel-unit mode with no known sizes the zoom rectangle keeps
// `previousZoomStart`.
TCadrageAxisLayout LayoutCadrageAxis(const TCadrageAxisValues &values, bool pixelUnits, int extent,
                                     int previousZoomStart);

// The position value that puts the zoom rectangle's start at `zoomStart`,
// clamped to 0..255; none when the scale has no extent.
std::optional<int> ZoomPosForStart(int zoomStart, const TCadrageAxisLayout &layout,
                                   const TCadrageAxisValues &values, bool pixelUnits);

// The size value that brings the leading (left/top) or trailing (right/bottom)
// edge of the zoom rectangle to `edge` while its position value stays; never
// negative; none when the formula has no divisor.
std::optional<int> ZoomSizeForEdge(int edge, bool leadingEdge, const TCadrageAxisLayout &layout,
                                   const TCadrageAxisValues &values, bool pixelUnits);

// Corner resizing: a new width keeps the width-to-height `ratio`, cut to the
// maximum (tenths of a percent). Gives (width, height), or none when the
// result falls outside the limits.
std::optional<std::pair<int, int>> ZoomSizesForCorner(int width, double ratio, int maximumTenths);
