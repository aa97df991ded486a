#include "SpinField.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QWheelEvent>

TSpinField::TSpinField(QWidget *parent) : QSpinBox(parent)
{
    // Wide enough to take what the operator types; the owner decides.
    setRange(0, 99999);
    setKeyboardTracking(false);
}

void TSpinField::Show(int value)
{
    const QSignalBlocker block(this);
    setValue(value);
}

void TSpinField::stepBy(int steps)
{
    const int value = this->value() + steps;
    Show(value);
    emit Entered(this->value());
}

void TSpinField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        interpretText();
        emit Entered(value());
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void TSpinField::wheelEvent(QWheelEvent *event)
{
    if (!isEnabled() || isReadOnly()) {
        event->ignore();
        return;
    }
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    m_wheelAngle += delta;
    const int steps = m_wheelAngle / WheelNotch;
    m_wheelAngle -= steps * WheelNotch;
    if (steps != 0)
        stepBy(steps);
    event->accept();
}
