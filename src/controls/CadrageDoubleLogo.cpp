#include "CadrageDoubleLogo.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

const QPoint MessagePlace[2] = {QPoint(100, 100), QPoint(100, 156)};

void DrawBoldText(QPainter &painter, QPoint at, const QString &text)
{
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(at, text);
}

} // namespace

TCadrageDoubleLogo::TCadrageDoubleLogo(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFixedSize(m_area);
}

bool TCadrageDoubleLogo::Recording() const
{
    return m_mode == _EnregistrementLogoFixe || m_mode == _EnregistrementLogoAnimee;
}

TCadrageBox TCadrageDoubleLogo::CaptureBox() const
{
    const int w = m_area.width(), h = m_area.height();
    return {ScaleToPixels(LHPCAP(), w), ScaleToPixels(LVPCAP(), h), ScaleToPixels(LHSCAP(), w),
            ScaleToPixels(LVSCAP(), h)};
}

TCadrageBox TCadrageDoubleLogo::LogoBox(int logo) const
{
    // The pixel size follows the area, so a later change of output format keeps the logo in proportion.
    const TLogo &l = m_logos[size_t(logo - 1)];
    const int w = ScaleToPixels(l.hsiz, m_area.width());
    const int h = ScaleToPixels(l.vsiz, m_area.height());
    return {LogoStartForPos(l.hpos, m_area.width(), w), LogoStartForPos(l.vpos, m_area.height(), h), w, h};
}

bool TCadrageDoubleLogo::Mismatch(int logo) const
{
    const TLogo &l = m_logos[size_t(logo - 1)];
    return LogoMismatch(l.forceMismatch, m_outputWidth, m_outputHeight, l.storedWidth, l.storedHeight);
}

// ---- properties ----

void TCadrageDoubleLogo::SetLMODE(TmodeUtilLogoFrame mode)
{
    m_mode = mode;
    UpdateAreaSize();
}

void TCadrageDoubleLogo::SetLogo1(bool shown)
{
    SetAndRedraw(m_logos[0].shown, shown);
}

void TCadrageDoubleLogo::SetLogo2(bool shown)
{
    SetAndRedraw(m_logos[1].shown, shown);
}

void TCadrageDoubleLogo::SetTotalLogoPossible(int total)
{
    SetAndRedraw(m_totalLogoPossible, total);
}

void TCadrageDoubleLogo::SetOHSIZx(uint16_t value)
{
    m_outputWidth = value;
    UpdateAreaSize();
}

void TCadrageDoubleLogo::SetOVSIZx(uint16_t value)
{
    m_outputHeight = value;
    UpdateAreaSize();
}

void TCadrageDoubleLogo::UpdateAreaSize()
{
    m_area = LogoPaintAreaSize(m_outputWidth, m_outputHeight, m_area);
    setFixedSize(m_area);
    update();
}

void TCadrageDoubleLogo::Assign(uint32_t &field, uint32_t value, TEventMeter *meter, int axis)
{
    field = value;
    if (meter)
        meter->Acknowledge(axis);
    ReleaseWaitingValues();
    update();
}

std::array<TCadrageDoubleLogo::TMeteredAxis, 8> TCadrageDoubleLogo::MeteredAxes()
{
    return {{{&m_captureMove, 0, &m_capture[CapLeft], &m_captureEvents[CapLeft]},
             {&m_captureMove, 1, &m_capture[CapTop], &m_captureEvents[CapTop]},
             {&m_captureWidth, 0, &m_capture[CapWidth], &m_captureEvents[CapWidth]},
             {&m_captureHeight, 0, &m_capture[CapHeight], &m_captureEvents[CapHeight]},
             {&m_logos[0].move, 0, &m_logos[0].hpos, &m_logos[0].events[LogoHPos]},
             {&m_logos[0].move, 1, &m_logos[0].vpos, &m_logos[0].events[LogoVPos]},
             {&m_logos[1].move, 0, &m_logos[1].hpos, &m_logos[1].events[LogoHPos]},
             {&m_logos[1].move, 1, &m_logos[1].vpos, &m_logos[1].events[LogoVPos]}}};
}

void TCadrageDoubleLogo::ReleaseWaitingValues()
{
    for (const TMeteredAxis &metered : MeteredAxes()) {
        if (const auto value = metered.meter->Release(metered.axis)) {
            *metered.property = *value;
            Raise(*metered.event, _Moving);
        }
    }
}

void TCadrageDoubleLogo::Raise(const TCadrageNotifyEvent &event, TCadrageDoubleLogoCode code)
{
    if (event)
        event(this, code);
}

// ---- mouse ----

QPoint TCadrageDoubleLogo::ClampToArea(QPoint p) const
{
    return QPoint(std::clamp(p.x(), 0, m_area.width()), std::clamp(p.y(), 0, m_area.height()));
}

int TCadrageDoubleLogo::LogoAt(QPoint p) const
{
    for (int logo : {1, 2}) {
        if (m_logos[size_t(logo - 1)].shown && InsideLogo(p, LogoBox(logo)))
            return logo;
    }
    return 0;
}

void TCadrageDoubleLogo::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = ClampToArea(event->position().toPoint());
    m_grab = QPoint();
    if (Recording()) {
        const TCadrageBox capture = CaptureBox();
        switch (CaptureRegionAt(p, capture)) {
        case TCaptureRegion::TopLeftGrip:
        case TCaptureRegion::Move:
            m_drag = TDrag::CaptureMove;
            // A press on the grip outside the move area drags the corner itself.
            if (InCaptureMoveArea(p, capture))
                m_grab = QPoint(p.x() - capture.left, p.y() - capture.top);
            break;
        case TCaptureRegion::Width:
            m_drag = TDrag::Width;
            break;
        case TCaptureRegion::Height:
            m_drag = TDrag::Height;
            break;
        case TCaptureRegion::Corner:
            m_drag = TDrag::Corner;
            break;
        case TCaptureRegion::None:
            break;
        }
        if (m_drag == TDrag::CaptureMove)
            setCursor(Qt::PointingHandCursor);
        return;
    }
    if (m_numLogo != 1 && m_numLogo != 2)
        return;
    const TCadrageBox logo = LogoBox(m_numLogo);
    if (m_logos[size_t(m_numLogo - 1)].shown && (InsideLogo(p, logo) || NearLogoGrip(p, logo))) {
        m_drag = TDrag::LogoMove;
        m_grab = QPoint(p.x() - logo.left, p.y() - logo.top);
    }
}

void TCadrageDoubleLogo::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = ClampToArea(event->position().toPoint());
    if (event->buttons() == Qt::LeftButton)
        DragStep(p);
    else
        Hover(p, event->buttons());
}

void TCadrageDoubleLogo::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const TDrag drag = m_drag;
    const bool moved = m_dragged;
    m_drag = TDrag::None;
    m_dragged = false;
    if (!m_enabledMouseUp || !moved)
        return;
    switch (drag) {
    case TDrag::None:
        break;
    case TDrag::CaptureMove:
        Raise(m_captureEvents[CapLeft], _EndMove);
        Raise(m_captureEvents[CapTop], _EndMove);
        break;
    case TDrag::Width:
        Raise(m_captureEvents[CapWidth], _EndMove);
        break;
    case TDrag::Height:
        Raise(m_captureEvents[CapHeight], _EndMove);
        break;
    case TDrag::Corner:
        Raise(m_captureEvents[CapWidth], _EndMove);
        Raise(m_captureEvents[CapHeight], _EndMove);
        break;
    case TDrag::LogoMove:
        Raise(m_logos[size_t(m_numLogo - 1)].events[LogoHPos], _EndMove);
        Raise(m_logos[size_t(m_numLogo - 1)].events[LogoVPos], _EndMove);
        break;
    }
}

void TCadrageDoubleLogo::DragStep(QPoint p)
{
    switch (m_drag) {
    case TDrag::None:
        return;
    case TDrag::CaptureMove:
        DragCaptureMove(p);
        break;
    case TDrag::Width:
        DragCaptureSizes(true, false, p);
        break;
    case TDrag::Height:
        DragCaptureSizes(false, true, p);
        break;
    case TDrag::Corner:
        DragCaptureSizes(true, true, p);
        break;
    case TDrag::LogoMove:
        DragLogo(p);
        break;
    }
    m_dragged = true;
}

void TCadrageDoubleLogo::DragCaptureSizes(bool width, bool height, QPoint p)
{
    // A size waits for the device's answer to the previous one, and for any moving position.
    if (!m_captureMove.IsEmpty() || (width && !m_captureWidth.IsEmpty()) ||
        (height && !m_captureHeight.IsEmpty()))
        return;
    const TCadrageBox capture = CaptureBox();
    if (width) {
        m_capture[CapWidth] = PixelsToScale(p.x() - capture.left, m_area.width());
        m_captureWidth.Push({m_capture[CapWidth], 0});
        Raise(m_captureEvents[CapWidth], _Moving);
    }
    if (height) {
        m_capture[CapHeight] = PixelsToScale(p.y() - capture.top, m_area.height());
        m_captureHeight.Push({m_capture[CapHeight], 0});
        Raise(m_captureEvents[CapHeight], _Moving);
    }
}

void TCadrageDoubleLogo::DragCaptureMove(QPoint p)
{
    if (!m_captureWidth.IsEmpty() || !m_captureHeight.IsEmpty())
        return;
    const QPoint topLeft = p - m_grab;
    const TEventMeter::TValues values{PixelsToScale(topLeft.x(), m_area.width()),
                                      PixelsToScale(topLeft.y(), m_area.height())};
    if (!m_captureMove.Push(values))
        return;
    m_capture[CapLeft] = values[0];
    m_capture[CapTop] = values[1];
    Raise(m_captureEvents[CapLeft], _Moving);
    Raise(m_captureEvents[CapTop], _Moving);
}

void TCadrageDoubleLogo::DragLogo(QPoint p)
{
    TLogo &logo = m_logos[size_t(m_numLogo - 1)];
    const TCadrageBox box = LogoBox(m_numLogo);
    const QPoint topLeft = p - m_grab;
    const TEventMeter::TValues values{LogoPosForStart(topLeft.x(), m_area.width(), box.width),
                                      LogoPosForStart(topLeft.y(), m_area.height(), box.height)};
    if (!logo.move.Push(values))
        return;
    logo.hpos = values[0];
    logo.vpos = values[1];
    Raise(logo.events[LogoHPos], _Moving);
    Raise(logo.events[LogoVPos], _Moving);
}

void TCadrageDoubleLogo::Hover(QPoint p, Qt::MouseButtons buttons)
{
    if (Recording()) {
        switch (CaptureRegionAt(p, CaptureBox())) {
        case TCaptureRegion::TopLeftGrip:
            setCursor(Qt::SizeAllCursor);
            break;
        case TCaptureRegion::Move:
            setCursor(Qt::PointingHandCursor);
            break;
        case TCaptureRegion::Width:
            setCursor(Qt::SizeHorCursor);
            break;
        case TCaptureRegion::Height:
            setCursor(Qt::SizeVerCursor);
            break;
        case TCaptureRegion::Corner:
            setCursor(Qt::SizeFDiagCursor);
            break;
        case TCaptureRegion::None:
            setCursor(Qt::ArrowCursor);
            break;
        }
        return;
    }
    const int logo = LogoAt(p);
    if (logo != 0 && buttons == Qt::NoButton && logo != m_numLogo) {
        m_numLogo = logo;
        update();
    }
    const bool onGrip = (m_numLogo == 1 || m_numLogo == 2) && m_logos[size_t(m_numLogo - 1)].shown &&
                        NearLogoGrip(p, LogoBox(m_numLogo));
    setCursor(onGrip ? Qt::SizeAllCursor : logo != 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (m_onPointing)
        m_onPointing(this, logo == 1 ? _Logo1 : logo == 2 ? _Logo2 : _None, p.y(), p.x());
}

// ---- painting ----

void TCadrageDoubleLogo::PaintCapture(QPainter &painter) const
{
    const TCadrageBox c = CaptureBox();
    painter.setPen(QPen(QBrush(Qt::black, Qt::BDiagPattern), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ToQRect(c));

    const int midX = c.left + c.width / 2;
    const int midY = c.top + c.height / 2;
    const QPoint handles[] = {{c.right(), c.top}, {c.right(), midY}, {c.left, c.bottom()}, {midX, c.bottom()},
                              {c.right(), c.bottom()}};
    painter.setPen(Qt::blue);
    for (const QPoint &h : handles)
        painter.drawRect(GripSquare(h));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPoint(c.left, c.top), GripHalf, GripHalf);
}

void TCadrageDoubleLogo::PaintLogo(QPainter &painter, int logo) const
{
    if (Mismatch(logo)) {
        DrawBoldText(painter, MessagePlace[logo - 1], QStringLiteral("Mismatch logo %1").arg(logo));
        return;
    }
    const bool realColour = m_color.isValid() && m_color != QColor(Qt::black);
    const QColor outline = !realColour ? QColor(Qt::black) : logo == 1 ? QColor(Qt::green) : QColor(Qt::red);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ToQRect(LogoBox(logo)));
}

void TCadrageDoubleLogo::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, m_area.width() - 1, m_area.height() - 1);
    if (Recording())
        PaintCapture(painter);
    for (int logo : {1, 2}) {
        if (m_logos[size_t(logo - 1)].shown)
            PaintLogo(painter, logo);
    }
    if (!Logo1() && !Logo2()) {
        if (m_totalLogoPossible == 1) {
            DrawBoldText(painter, MessagePlace[0], QStringLiteral("No logo"));
        } else {
            DrawBoldText(painter, MessagePlace[0], QStringLiteral("No logo 1"));
            DrawBoldText(painter, MessagePlace[1], QStringLiteral("No logo 2"));
        }
    }
}
