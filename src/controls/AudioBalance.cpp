#include "AudioBalance.h"

#include "PixelRounding.h"

#include <QPainter>

namespace {
// Bar tops of the 33 groups of three bars: tall at the ends, short in the middle.
constexpr std::array<int, 33> GroupTops{19, 23, 26, 28, 31, 33, 35, 38, 40, 42, 44, 46, 47, 48, 49, 50, 51,
                                        50, 49, 48, 47, 46, 44, 42, 40, 38, 35, 33, 31, 28, 26, 23, 19};
constexpr int MarkerTop = 19;
constexpr int LastColumnX = 215;
} // namespace

TAudioBalance::TAudioBalance(QWidget *parent) : TAudioMeter(parent)
{
    for (int bar = 0; bar < BarCount; ++bar)
        m_barTop[size_t(bar)] = GroupTops[size_t(bar / 3)];
    for (int bar = BarCount - 1; bar < TableSize; ++bar) {
        m_barX[size_t(bar)] = LastColumnX;
        m_barTop[size_t(bar)] = GroupTops.back();
    }
}

int TAudioBalance::MarkerX(int percent)
{
    return 21 + RoundHalfEven(percent * 1.94);
}

void TAudioBalance::SetColorAskLeft(const QColor &colour)
{
    TakeColour(colour, m_left);
    update();
}

void TAudioBalance::SetColorAskRight(const QColor &colour)
{
    TakeColour(colour, m_right);
    update();
}

void TAudioBalance::DrawBars(QPainter &painter, int percent) const
{
    for (int bar = 0; bar < BarCount; ++bar) {
        QColor colour = Qt::black;
        if (bar < percent - 2) {
            const double share = double(bar) / (percent - 2);
            colour = MapComponents(m_left, [share](int c) { return 255 - RoundHalfEven(share * (255 - c)); });
        } else if (bar >= percent) {
            const double share = double(bar - percent) / (BarCount - percent);
            colour = MapComponents(m_right, [share](int c) { return c + RoundHalfEven(share * (255 - c)); });
        }
        painter.setPen(colour);
        painter.drawLine(m_barX[size_t(bar)], m_barTop[size_t(bar)], m_barX[size_t(bar)], BarBottom);
    }
    // Drawn last so that no bar covers it at the ends of the scale.
    painter.setPen(Qt::black);
    painter.drawLine(MarkerX(percent), MarkerTop, MarkerX(percent), m_barTop[size_t(percent)]);
}
