#include "CadrageImage_2.h"

#include "CadrageTransition.h"
#include "PixelRounding.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

const QColor MediumGrey(128, 128, 128);

void DrawDottedOutline(QPainter &painter, const TCadrageBox &box)
{
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ToQRect(box));
}

Qt::CursorShape HoverCursor(TCadrageMode mode)
{
    switch (mode) {
    case TCadrageMode::None:
        return Qt::ArrowCursor;
    case TCadrageMode::Move:
        return Qt::PointingHandCursor;
    case TCadrageMode::LeftEdge:
    case TCadrageMode::RightEdge:
        return Qt::SizeHorCursor;
    case TCadrageMode::TopEdge:
    case TCadrageMode::BottomEdge:
        return Qt::SizeVerCursor;
    case TCadrageMode::TopLeftCorner:
    case TCadrageMode::BottomRightCorner:
        return Qt::SizeFDiagCursor;
    case TCadrageMode::TopRightCorner:
    case TCadrageMode::BottomLeftCorner:
        return Qt::SizeBDiagCursor;
    }
    return Qt::ArrowCursor;
}

// While dragging every corner shows the same diagonal arrow.
Qt::CursorShape DragCursor(TCadrageMode mode)
{
    switch (mode) {
    case TCadrageMode::TopRightCorner:
    case TCadrageMode::BottomLeftCorner:
        return Qt::SizeFDiagCursor;
    default:
        return HoverCursor(mode);
    }
}

} // namespace

TCadrageImage_2::TCadrageImage_2(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_transitionTimer.setInterval(1);
    connect(&m_transitionTimer, &QTimer::timeout, this, &TCadrageImage_2::TransitionTick);
    Recompute();
}

TCadrageBox TCadrageImage_2::ImageBox() const
{
    return BoxFromSpans(m_layout[CadrageHorizontal].image, m_layout[CadrageVertical].image);
}

TCadrageBox TCadrageImage_2::ZoomBox() const
{
    return BoxFromSpans(m_layout[CadrageHorizontal].zoom, m_layout[CadrageVertical].zoom);
}

void TCadrageImage_2::SetImageValue(int &field, int value)
{
    if (field == value)
        return;
    field = value;
    Recompute();
    update();
}

void TCadrageImage_2::SetZoomValue(int &field, int &assigned, int value)
{
    assigned = value;
    if (field == value && !m_fluidAndBackFlash)
        return;
    field = value;
    Recompute();
    update();
}

void TCadrageImage_2::SetTypeZoom(TTypeZoom value)
{
    m_typeZoom = value;
    m_transitionFrames.clear();
    m_transitionFrame = -1;
    m_transitionTimer.start();
}

void TCadrageImage_2::SetBlackBandStyleSeizeNeuf(bool value)
{
    m_blackBands = value;
    update();
}

void TCadrageImage_2::SetBitmapZoom(const QPixmap *picture)
{
    m_bitmapZoom = picture;
    update();
}

void TCadrageImage_2::Recompute()
{
    const int extents[2] = {width() - 1, height() - 1};
    for (int axis : {CadrageHorizontal, CadrageVertical})
        m_layout[axis] = LayoutCadrageAxis(m_values[axis], m_pixelUnits, extents[axis], m_layout[axis].zoom.start);
}

void TCadrageImage_2::Raise(const TNotifyEvent &handler)
{
    if (handler)
        handler(this);
}

// ---- mouse ----

void TCadrageImage_2::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton)
        m_hitTest.SetZoomPreference(false);
    else if (event->button() == Qt::RightButton && m_hitTest.Mode() != TCadrageMode::None)
        m_hitTest.SetZoomPreference(true);
}

void TCadrageImage_2::mouseMoveEvent(QMouseEvent *event)
{
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons == Qt::MiddleButton && m_onMiddleDown)
        m_onMiddleDown(this, event->modifiers());
    const QPoint pointer = event->position().toPoint();
    if (buttons == Qt::LeftButton && !(event->modifiers() & Qt::ShiftModifier))
        DragStep(pointer);
    else if (buttons != Qt::RightButton)
        HoverPass(pointer);
}

void TCadrageImage_2::mouseReleaseEvent(QMouseEvent *)
{
    Raise(m_onMouseUp);
    Recompute();
    update();
}

void TCadrageImage_2::mouseDoubleClickEvent(QMouseEvent *)
{
    Raise(m_onDoubleClick);
}

void TCadrageImage_2::HoverPass(QPoint pointer)
{
    m_hitTest.Hover(pointer, ImageBox(), ZoomBox(), m_typeZoom == _TypeZoomOn);
    setCursor(HoverCursor(m_hitTest.Mode()));
    if (Zoom_VSize() != 0)
        m_zoomRatio = double(Zoom_HSize()) / Zoom_VSize();
}

void TCadrageImage_2::DragStep(QPoint pointer)
{
    const QPoint grab = m_hitTest.Grab();
    const int x = pointer.x() - grab.x();
    const int y = pointer.y() - grab.y();
    switch (m_hitTest.Mode()) {
    case TCadrageMode::None:
        break;
    case TCadrageMode::Move:
        DragMove(CadrageHorizontal, x);
        DragMove(CadrageVertical, y);
        break;
    case TCadrageMode::LeftEdge:
        DragEdge(CadrageHorizontal, true, x);
        break;
    case TCadrageMode::RightEdge:
        DragEdge(CadrageHorizontal, false, x);
        break;
    case TCadrageMode::TopEdge:
        DragEdge(CadrageVertical, true, y);
        break;
    case TCadrageMode::BottomEdge:
        DragEdge(CadrageVertical, false, y);
        break;
    case TCadrageMode::TopLeftCorner:
    case TCadrageMode::BottomLeftCorner:
        DragCorner(true, x);
        break;
    case TCadrageMode::TopRightCorner:
    case TCadrageMode::BottomRightCorner:
        DragCorner(false, x);
        break;
    }
    setCursor(DragCursor(m_hitTest.Mode()));
}

void TCadrageImage_2::DragMove(TCadrageAxis axis, int zoomStart)
{
    const auto pos = ZoomPosForStart(zoomStart, m_layout[axis], m_values[axis], m_pixelUnits);
    if (!pos)
        return;
    m_values[axis].zoomPos = *pos;
    if (*pos != m_assignedZoomPos[axis])
        Raise(m_onZoomPos[axis]);
}

void TCadrageImage_2::DragEdge(TCadrageAxis axis, bool leadingEdge, int edge)
{
    const auto size = ZoomSizeForEdge(edge, leadingEdge, m_layout[axis], m_values[axis], m_pixelUnits);
    if (!size)
        return;
    m_values[axis].zoomSize = *size;
    if (*size != m_assignedZoomSize[axis])
        Raise(m_onZoomSize[axis]);
}

void TCadrageImage_2::DragCorner(bool leftCorner, int edge)
{
    const auto width = ZoomSizeForEdge(edge, leftCorner, m_layout[CadrageHorizontal],
                                       m_values[CadrageHorizontal], m_pixelUnits);
    if (!width)
        return;
    const auto sizes = ZoomSizesForCorner(*width, m_zoomRatio, m_sizeMaximum);
    if (!sizes)
        return;
    m_values[CadrageHorizontal].zoomSize = sizes->first;
    m_values[CadrageVertical].zoomSize = sizes->second;
    for (int axis : {CadrageHorizontal, CadrageVertical}) {
        if (m_values[axis].zoomSize != m_assignedZoomSize[axis])
            Raise(m_onZoomSize[axis]);
    }
}

// ---- transition ----

void TCadrageImage_2::TransitionTick()
{
    if (m_transitionFrames.empty()) {
        Recompute();
        m_transitionFrames = CadrageTransitionFrames(ImageBox(), ZoomBox(), m_typeZoom == _TypeZoomOn);
        m_transitionFrame = -1;
        return;
    }
    ++m_transitionFrame;
    if (m_transitionFrame >= int(m_transitionFrames.size())) {
        m_transitionTimer.stop();
        m_transitionFrames.clear();
        m_transitionFrame = -1;
    }
    update();
}

// ---- painting ----

void TCadrageImage_2::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Recompute();
}

void TCadrageImage_2::PaintBackground(QPainter &painter) const
{
    painter.setPen(Qt::black);
    painter.setBrush(palette().window());
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

void TCadrageImage_2::PaintImageOutline(QPainter &painter) const
{
    const QRect image = ToQRect(ImageBox());
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(image);
    painter.drawRect(image.adjusted(-1, -1, 1, 1));
}

void TCadrageImage_2::PaintZoom(QPainter &painter) const
{
    const TCadrageBox image = ImageBox();
    const TCadrageBox zoom = ZoomBox();
    const int band = m_blackBands ? image.height - RoundHalfEven(image.height * 1.333 / 1.777) : 0;
    if (m_blackBands) {
        painter.setPen(Qt::black);
        painter.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
        painter.drawRect(image.left, image.top, image.width, band);
        painter.drawRect(image.left, image.bottom() - band, image.width, band);
    }

    if (m_typeZoom == _TypeZoomOff) {
        DrawDottedOutline(painter, zoom);
    } else if (m_bitmapZoom && !m_bitmapZoom->isNull()) {
        // AND with the screen: the white parts of the picture let the background through.
        const QRect target(zoom.left, zoom.top + band, zoom.width, zoom.height - 2 * band);
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawPixmap(target, *m_bitmapZoom);
        painter.restore();
    } else {
        painter.setPen(MediumGrey);
        painter.setBrush(QBrush(MediumGrey, Qt::CrossPattern));
        painter.drawRect(ToQRect(zoom));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(ToQRect(zoom));
    }

    const int midX = RoundHalfEven((zoom.left + zoom.right()) / 2.0);
    const int midY = RoundHalfEven((zoom.top + zoom.bottom()) / 2.0);
    painter.setPen(Qt::blue);
    painter.setBrush(Qt::NoBrush);
    for (int hx : {zoom.left, midX, zoom.right()}) {
        for (int hy : {zoom.top, midY, zoom.bottom()}) {
            if (hx != midX || hy != midY)
                painter.drawRect(GripSquare(QPoint(hx, hy)));
        }
    }
}

void TCadrageImage_2::paintEvent(QPaintEvent *)
{
    Recompute();
    QPainter painter(this);
    PaintBackground(painter);
    if (m_transitionFrame >= 0 && m_transitionFrame < int(m_transitionFrames.size())) {
        painter.setPen(MediumGrey);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(ToQRect(ZoomBox()));
        PaintImageOutline(painter);
        DrawDottedOutline(painter, m_transitionFrames[size_t(m_transitionFrame)]);
        return;
    }
    PaintZoom(painter);
    PaintImageOutline(painter);
}
