#pragma once
#include "AudioMeter.h"

// A level wedge: bars rising from left to right, fading from black to
// ColorAsk up to the position and white beyond it.
class TAudioLevel : public TAudioMeter
{
    Q_OBJECT
public:
    explicit TAudioLevel(QWidget *parent = nullptr);

    QColor ColorAsk() const { return m_colour; }
    void SetColorAsk(const QColor &colour);

protected:
    void DrawBars(QPainter &painter, int percent) const override;

private:
    QColor m_colour{0, 0, 255};
};
