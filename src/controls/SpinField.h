#pragma once
#include <QSpinBox>

// A plain integer field with arrows that reports the operator's value only
// when it is meant: the Enter key, either arrow (buttons or keys), or a wheel
// step. It accepts any number typed (the owner checks it against what the
// device takes) and shows a new value when the owner sets it. A wheel step
// is one notch (120 units of angle), so a touchpad's many small events add
// up to steps instead of each being one.
class TSpinField : public QSpinBox
{
    Q_OBJECT
public:
    static constexpr int WheelNotch = 120;

    explicit TSpinField(QWidget *parent = nullptr);

    // Shows a value without reporting it.
    void Show(int value);

    void stepBy(int steps) override;

signals:
    void Entered(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_wheelAngle = 0;
};
