#include "CadrageHitTest.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int T = TCadrageHitTest::Tolerance;

bool Between(int low, int value, int high)
{
    return low < value && value < high;
}

bool NearCorner(QPoint p, int cx, int cy)
{
    return std::sqrt(double(std::abs(p.x() - cx))) + std::sqrt(double(std::abs(p.y() - cy))) <= 4;
}

// Which edges of a box the pointer is near.
struct TNearEdges {
    bool left, right, top, bottom;
};

TNearEdges NearEdges(QPoint p, const TCadrageBox &b)
{
    const bool alongVertical = Between(b.top - T, p.y(), b.bottom() + T);
    const bool alongHorizontal = Between(b.left - T, p.x(), b.right() + T);
    return {Between(b.left - T, p.x(), b.left + T) && alongVertical,
            Between(b.right() - T, p.x(), b.right() + T) && alongVertical,
            Between(b.top - T, p.y(), b.top + T) && alongHorizontal,
            Between(b.bottom() - T, p.y(), b.bottom() + T) && alongHorizontal};
}

} // namespace

void TCadrageHitTest::Hover(QPoint p, const TCadrageBox &image, const TCadrageBox &zoom,
                            bool imageEdgesTakePart)
{
    const struct {
        int x, y;
        TCadrageMode mode;
    } zoomCorners[] = {{zoom.left, zoom.top, TCadrageMode::TopLeftCorner},
                       {zoom.right(), zoom.top, TCadrageMode::TopRightCorner},
                       {zoom.left, zoom.bottom(), TCadrageMode::BottomLeftCorner},
                       {zoom.right(), zoom.bottom(), TCadrageMode::BottomRightCorner}};
    for (const auto &corner : zoomCorners) {
        if (NearCorner(p, corner.x, corner.y)) {
            Choose(corner.mode, p, zoom);
            return;
        }
    }

    const bool nearImageTopLeft = NearCorner(p, image.left, image.top);
    const bool nearImageBottomRight = NearCorner(p, image.right(), image.bottom());
    if (nearImageTopLeft || nearImageBottomRight) {
        if (m_zoomPreference)
            Choose(nearImageTopLeft ? TCadrageMode::TopLeftCorner : TCadrageMode::BottomRightCorner, p,
                   zoom);
        return; // otherwise the previous mode stays
    }

    const TNearEdges z = NearEdges(p, zoom);
    const TNearEdges i = NearEdges(p, image);
    const bool checkImage = imageEdgesTakePart && !m_zoomPreference;

    // One axis at a time: the zoom edges of that axis, against the image edges of the same axis.
    auto chooseEdge = [&](bool zoomLow, bool zoomHigh, bool imageLow, bool imageHigh,
                          TCadrageMode lowMode, TCadrageMode highMode) {
        const TCadrageMode mode = zoomLow ? lowMode : highMode;
        if (checkImage && (imageLow || imageHigh)) {
            const bool sameSide = (zoomLow && imageLow) || (zoomHigh && imageHigh);
            if (!sameSide) {
                Choose(TCadrageMode::None, p, zoom);
                return;
            }
            m_zoomPreference = true;
            Choose(zoomLow && imageLow ? lowMode : highMode, p, zoom);
            return;
        }
        Choose(mode, p, zoom);
    };

    if (z.top || z.bottom)
        chooseEdge(z.top, z.bottom, i.top, i.bottom, TCadrageMode::TopEdge, TCadrageMode::BottomEdge);
    else if (z.left || z.right)
        chooseEdge(z.left, z.right, i.left, i.right, TCadrageMode::LeftEdge, TCadrageMode::RightEdge);
    else if (Between(zoom.left + T, p.x(), zoom.right() - T) && Between(zoom.top + T, p.y(), zoom.bottom() - T))
        Choose(TCadrageMode::Move, p, zoom);
    else
        Choose(TCadrageMode::None, p, zoom);
}

void TCadrageHitTest::Choose(TCadrageMode mode, QPoint p, const TCadrageBox &zoom)
{
    m_mode = mode;
    switch (mode) {
    case TCadrageMode::None:
        m_grab = QPoint();
        break;
    case TCadrageMode::Move:
        m_grab = QPoint(p.x() - zoom.left, p.y() - zoom.top);
        break;
    case TCadrageMode::LeftEdge:
    case TCadrageMode::TopLeftCorner:
    case TCadrageMode::BottomLeftCorner:
        m_grab = QPoint(p.x() - zoom.left, 0);
        break;
    case TCadrageMode::RightEdge:
    case TCadrageMode::TopRightCorner:
    case TCadrageMode::BottomRightCorner:
        m_grab = QPoint(p.x() - zoom.right(), 0);
        break;
    case TCadrageMode::TopEdge:
        m_grab = QPoint(0, p.y() - zoom.top);
        break;
    case TCadrageMode::BottomEdge:
        m_grab = QPoint(0, p.y() - zoom.bottom());
        break;
    }
}
