#include "LogoFramingGeometry.h"

#include "PixelRounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int ScaleMax = 255;
constexpr int AreaHeight = 255;
constexpr double RatioTolerance = 0.085;
constexpr int TopLeftGripReach = 7;
constexpr int CornerGripReach = 10;
constexpr int LogoInnerMargin = 5;

bool Within(QPoint p, int x, int y, int reach)
{
    return std::abs(p.x() - x) <= reach && std::abs(p.y() - y) <= reach;
}

} // namespace

QSize LogoPaintAreaSize(uint16_t outputWidth, uint16_t outputHeight, QSize previous)
{
    if (outputWidth == 0 || outputHeight == 0)
        return QSize(AreaHeight, AreaHeight);
    const double ratio = double(outputWidth) / outputHeight;
    const struct {
        double ratio;
        int width;
    } rows[] = {{1.33, 340}, {1.4, 382}, {1.77, 453}, {3.0, 765}};
    // 4:3 lies within reach of both 1.33 and 1.4: the nearer, first row wins.
    for (const auto &row : rows) {
        if (std::fabs(ratio - row.ratio) <= RatioTolerance)
            return QSize(row.width, AreaHeight);
    }
    if (ratio < RatioTolerance)
        return QSize(AreaHeight, AreaHeight);
    return previous;
}

int ScaleToPixels(uint32_t value, int extent)
{
    return RoundHalfEven(double(value) * extent / ScaleMax);
}

uint32_t PixelsToScale(int pixels, int extent)
{
    if (extent <= 0)
        return 0;
    return uint32_t(RoundHalfEven(double(std::max(pixels, 0)) * ScaleMax / extent));
}

int LogoStartForPos(uint32_t pos, int extent, int logoLength)
{
    return RoundHalfEven(double(extent - logoLength) * pos / ScaleMax);
}

uint32_t LogoPosForStart(int start, int extent, int logoLength)
{
    const int travel = extent - logoLength;
    if (travel <= 0)
        return 0;
    return uint32_t(std::clamp(RoundHalfEven(double(start) * ScaleMax / travel), 0, ScaleMax));
}

bool InCaptureMoveArea(QPoint p, const TCadrageBox &c)
{
    return c.left < p.x() && p.x() < c.left + 0.75 * c.width && c.top < p.y() && p.y() < c.top + 0.75 * c.height;
}

TCaptureRegion CaptureRegionAt(QPoint p, const TCadrageBox &c)
{
    const double widthBand = c.left + 0.75 * c.width;
    const double heightBand = c.top + 0.75 * c.height;
    if (Within(p, c.left, c.top, TopLeftGripReach))
        return TCaptureRegion::TopLeftGrip;
    if (Within(p, c.right(), c.bottom(), CornerGripReach))
        return TCaptureRegion::Corner;
    if (InCaptureMoveArea(p, c))
        return TCaptureRegion::Move;
    if (p.x() >= widthBand && c.top < p.y() && p.y() < heightBand)
        return TCaptureRegion::Width;
    if (p.y() >= heightBand && c.left < p.x() && p.x() < widthBand)
        return TCaptureRegion::Height;
    return TCaptureRegion::None;
}

bool InsideLogo(QPoint p, const TCadrageBox &logo)
{
    return logo.left < p.x() && p.x() + LogoInnerMargin < logo.right() && logo.top < p.y() &&
           p.y() + LogoInnerMargin < logo.bottom();
}

bool NearLogoGrip(QPoint p, const TCadrageBox &logo)
{
    return Within(p, logo.left, logo.top, TopLeftGripReach);
}

bool LogoMismatch(TFORCEMismatchx force, uint16_t outputWidth, uint16_t outputHeight, uint16_t logoWidth,
                  uint16_t logoHeight)
{
    switch (force) {
    case _FMMismatch:
        return true;
    case _FMNoMismatch:
        return false;
    case _FMIDontCare:
        break;
    }
    return outputWidth < logoWidth || outputHeight < logoHeight;
}
