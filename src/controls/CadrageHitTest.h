#pragma once
#include "CadrageGeometry.h"

#include <QPoint>

// What a press and drag on the zoom framing control would do.
enum class TCadrageMode {
    None,
    Move,
    LeftEdge,
    RightEdge,
    TopEdge,
    BottomEdge,
    TopLeftCorner,
    TopRightCorner,
    BottomLeftCorner,
    BottomRightCorner
};

// The hover pass of the zoom framing control: chooses the drag mode from the
// pointer and remembers it, with the grab offsets, until the next pass.
//
// When the zoom rectangle lies on the image rectangle, an edge under the
// pointer is ambiguous. While the image edges take part, a zoom edge near a
// different image edge chooses nothing; a zoom edge near the image edge of the
// same side wins and sets the zoom preference, which then keeps the image
// edges out of the way until the next left press.
class TCadrageHitTest
{
public:
    static constexpr int Tolerance = 5;

    // imageEdgesTakePart: the image rectangle is drawn as a separate object
    // (the zoom shown filled).
    void Hover(QPoint pointer, const TCadrageBox &image, const TCadrageBox &zoom,
               bool imageEdgesTakePart);

    TCadrageMode Mode() const { return m_mode; }
    // Pointer minus the grabbed edge (or the zoom's top-left for a move) at
    // the moment the mode was chosen.
    QPoint Grab() const { return m_grab; }

    bool ZoomPreference() const { return m_zoomPreference; }
    void SetZoomPreference(bool on) { m_zoomPreference = on; }

private:
    void Choose(TCadrageMode mode, QPoint pointer, const TCadrageBox &zoom);

    TCadrageMode m_mode = TCadrageMode::None;
    QPoint m_grab;
    bool m_zoomPreference = false;
};
