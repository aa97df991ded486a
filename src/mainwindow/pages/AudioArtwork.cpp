#include "AudioArtwork.h"

#include <QPainter>
#include <QPainterPath>

namespace AudioArtwork {

namespace {

// A loudspeaker on a square of the given side, with `waves` arcs in front of
// it, or a red cross there when muted.
QPixmap Loudspeaker(int side, int waves, bool muted)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = side / 16.0;
    painter.scale(unit, unit);

    QPainterPath body;
    body.moveTo(1.5, 6);
    body.lineTo(4.5, 6);
    body.lineTo(8, 2.5);
    body.lineTo(8, 13.5);
    body.lineTo(4.5, 10);
    body.lineTo(1.5, 10);
    body.closeSubpath();
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
    painter.setBrush(QColor(90, 90, 90));
    painter.drawPath(body);

    if (muted) {
        painter.setPen(QPen(QColor(210, 20, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(10, 5.5), QPointF(14.5, 10.5));
        painter.drawLine(QPointF(14.5, 5.5), QPointF(10, 10.5));
        return pixmap;
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 110, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int wave = 0; wave < waves; ++wave) {
        const qreal radius = 2.5 + 2.2 * wave;
        const QRectF circle(8 - radius, 8 - radius, 2 * radius, 2 * radius);
        painter.drawArc(circle, -45 * 16, 90 * 16);
    }
    return pixmap;
}

} // namespace

QPixmap IndicatorPicture(int picture)
{
    if (picture <= TAudioIndicator::MutedPicture)
        return Loudspeaker(16, 0, true);
    return Loudspeaker(16, qMin(picture, int(TAudioIndicator::LoudestPicture)) - TAudioIndicator::QuietPicture, false);
}

QPixmap PagePicture(bool muted)
{
    return Loudspeaker(32, muted ? 0 : 3, muted);
}

TPictures::TPictures() : m_page{PagePicture(false), PagePicture(true)}
{
    for (size_t i = 0; i < m_indicator.size(); ++i)
        m_indicator[i] = IndicatorPicture(TAudioIndicator::MutedPicture + int(i));
}

const QPixmap &TPictures::Indicator(int picture) const
{
    const int shown = qBound(int(TAudioIndicator::MutedPicture), picture, int(TAudioIndicator::LoudestPicture));
    return m_indicator[size_t(shown - TAudioIndicator::MutedPicture)];
}

} // namespace AudioArtwork
