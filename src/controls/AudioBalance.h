#pragma once
#include "AudioMeter.h"

// A balance scale: bars tall at both ends and short in the middle, a black
// marker at the position, the left side fading from white to ColorAskLeft
// towards the marker and the right side from ColorAskRight to white.
class TAudioBalance : public TAudioMeter
{
    Q_OBJECT
public:
    explicit TAudioBalance(QWidget *parent = nullptr);

    QColor ColorAskLeft() const { return m_left; }
    void SetColorAskLeft(const QColor &colour);
    QColor ColorAskRight() const { return m_right; }
    void SetColorAskRight(const QColor &colour);

    static int MarkerX(int percent);

protected:
    void DrawBars(QPainter &painter, int percent) const override;

private:
    QColor m_left{0, 0, 255};
    QColor m_right{0, 0, 255};
};
