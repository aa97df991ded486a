#include "AudioMeter.h"

#include "PixelRounding.h"
#include "PositionClamp.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int ZoneTop = 16;
constexpr int ZoneBottom = 53;
const QRect MinusButton(QPoint(1, ZoneTop), QPoint(18, ZoneBottom));
const QRect PlusButton(QPoint(219, ZoneTop), QPoint(236, ZoneBottom));
const QRect Track(QPoint(19, ZoneTop), QPoint(217, ZoneBottom));

void DrawButton(QPainter &painter, const QRect &button, bool pressed, bool plus, const QPalette &palette)
{
    painter.fillRect(button, palette.color(QPalette::Button).darker(pressed ? 115 : 100));
    painter.setPen(pressed ? palette.color(QPalette::Dark) : palette.color(QPalette::Light));
    painter.drawLine(button.topLeft(), button.topRight());
    painter.drawLine(button.topLeft(), button.bottomLeft());
    painter.setPen(pressed ? palette.color(QPalette::Light) : palette.color(QPalette::Dark));
    painter.drawLine(button.bottomLeft(), button.bottomRight());
    painter.drawLine(button.topRight(), button.bottomRight());
    const QPoint centre = button.center() + (pressed ? QPoint(1, 1) : QPoint());
    painter.setPen(QPen(palette.color(QPalette::ButtonText), 2));
    painter.drawLine(centre - QPoint(4, 0), centre + QPoint(4, 0));
    if (plus)
        painter.drawLine(centre - QPoint(0, 4), centre + QPoint(0, 4));
}

} // namespace

TAudioMeter::TAudioMeter(QWidget *parent) : QWidget(parent)
{
    setFixedSize(MeterWidth, MeterHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int bar = 0; bar < TableSize; ++bar)
        m_barX[size_t(bar)] = BarX(bar);
    DrawBackgrounds();
}

// The pictures are drawn on the window's button-face colour so that they
// blend with whatever the meter sits on.
void TAudioMeter::DrawBackgrounds()
{
    for (size_t variant = 0; variant < m_backgrounds.size(); ++variant) {
        QImage &picture = m_backgrounds[variant];
        picture = QImage(MeterWidth, MeterHeight, QImage::Format_RGB32);
        picture.fill(palette().color(QPalette::Button));
        QPainter painter(&picture);
        painter.fillRect(Track, palette().color(QPalette::Mid));
        DrawButton(painter, MinusButton, variant == 1, false, palette());
        DrawButton(painter, PlusButton, variant == 2, true, palette());
    }
}

void TAudioMeter::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        DrawBackgrounds();
    QWidget::changeEvent(event);
}

void TAudioMeter::SetCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TAudioMeter::SetPosition(int32_t position)
{
    m_position = ClampPosition(position, m_min, m_max);
    update();
}

int TAudioMeter::Percent() const
{
    if (m_max <= m_min)
        return 0;
    const double share = double(ClampPosition(m_position, m_min, m_max) - int64_t(m_min)) / (double(m_max) - m_min);
    return std::clamp(RoundHalfEven(share * 100), 0, 100);
}

TAudioMeter::TZone TAudioMeter::ZoneAt(QPoint point)
{
    const int x = point.x(), y = point.y();
    if (y < ZoneTop || y > ZoneBottom)
        return zoneNone;
    if (x >= 1 && x <= 18)
        return zoneMinus;
    if (x >= 18 && x <= 219)
        return zoneBars;
    if (x >= 219 && x <= 236)
        return zonePlus;
    return zoneNone;
}

void TAudioMeter::TakeColour(const QColor &colour, QColor &parts)
{
    if (colour.isValid())
        parts = colour.toRgb();
}

void TAudioMeter::SetPositionFromMouse(int64_t position)
{
    m_position = ClampPosition(position, m_min, m_max);
    update();
    emit OnPositionEvent(this, m_position);
}

void TAudioMeter::HandleMouse(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const TZone zone = ZoneAt(at);
    setCursor(zone == zoneNone ? Qt::ArrowCursor : Qt::PointingHandCursor);
    if (event->buttons() == Qt::LeftButton) {
        switch (zone) {
        case zoneMinus:
            m_pressedButton = zoneMinus;
            SetPositionFromMouse(int64_t(m_position) - 1);
            break;
        case zoneBars:
            SetPositionFromMouse(std::llround((at.x() - 20) / 197.0 * (double(m_max) - m_min)) + m_min);
            break;
        case zonePlus:
            m_pressedButton = zonePlus;
            SetPositionFromMouse(int64_t(m_position) + 1);
            break;
        case zoneNone:
            break;
        }
    }
    emit OnMouseMoveEvent(this, event->buttons(), event->modifiers(), at.x(), at.y());
}

void TAudioMeter::mousePressEvent(QMouseEvent *event)
{
    HandleMouse(event);
}

void TAudioMeter::mouseMoveEvent(QMouseEvent *event)
{
    HandleMouse(event);
}

void TAudioMeter::mouseReleaseEvent(QMouseEvent *)
{
    m_pressedButton = zoneNone;
    update();
}

void TAudioMeter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const size_t variant = m_pressedButton == zoneMinus ? 1 : m_pressedButton == zonePlus ? 2 : 0;
    painter.drawImage(0, 0, m_backgrounds[variant]);
    DrawBars(painter, Percent());
    if (!m_caption.isEmpty()) {
        const QRect captionRect = painter.boundingRect(rect(), Qt::AlignLeft | Qt::AlignTop, m_caption);
        painter.fillRect(captionRect, palette().color(QPalette::Button));
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop, m_caption);
    }
}
