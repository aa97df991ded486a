#include "ConsoleKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

TConsoleKey::TConsoleKey(QWidget *window, std::function<bool()> armed, std::function<void()> pressed)
    : QObject(window), m_window(window), m_armed(std::move(armed)), m_pressed(std::move(pressed))
{
    qApp->installEventFilter(this);
}

TConsoleKey::~TConsoleKey()
{
    qApp->removeEventFilter(this);
}

bool TConsoleKey::IsConsoleKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_Insert && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

bool TConsoleKey::eventFilter(QObject *watched, QEvent *event)
{
    if (!IsConsoleKey(event) || !watched->isWidgetType() || !m_armed())
        return false;
    if (static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Taken as the focus widget's own key, so that it arrives as a key press.
        event->accept();
        return true;
    }
    m_pressed();
    return true;
}
