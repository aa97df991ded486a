#include "AudioLevel.h"

#include "PixelRounding.h"

#include <QPainter>

TAudioLevel::TAudioLevel(QWidget *parent) : TAudioMeter(parent)
{
    for (int bar = 0; bar < TableSize; ++bar)
        m_barTop[size_t(bar)] = BarBottom - bar / 3;
}

void TAudioLevel::SetColorAsk(const QColor &colour)
{
    TakeColour(colour, m_colour);
    update();
}

void TAudioLevel::DrawBars(QPainter &painter, int percent) const
{
    for (int bar = 0; bar < BarCount; ++bar) {
        QColor colour = Qt::white;
        if (bar < percent - 1) {
            const double share = double(bar) / percent;
            colour = MapComponents(m_colour, [share](int c) { return RoundHalfEven(share * c); });
        }
        painter.setPen(colour);
        painter.drawLine(m_barX[size_t(bar)], m_barTop[size_t(bar)], m_barX[size_t(bar)], BarBottom);
    }
}
