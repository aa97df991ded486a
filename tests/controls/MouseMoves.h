#pragma once
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// QTest::mouseMove goes through the platform cursor, which sends nothing when
// the cursor already stands on the spot (as it does for the next test's fresh
// widget); so moves are delivered directly, with the buttons held.
inline void SendMouseMove(QWidget *widget, QPoint pos, Qt::MouseButtons held = Qt::NoButton,
                          Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)), Qt::NoButton, held,
                     modifiers);
    QApplication::sendEvent(widget, &move);
}
