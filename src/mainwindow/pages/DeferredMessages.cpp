#include "DeferredMessages.h"

#include <algorithm>

TDeferredMessages::TDeferredMessages(QWidget *window, QObject *parent) : QObject(parent), m_window(window) {}

void TDeferredMessages::Post(const QString &text, TOperatorPrompt::TKind kind)
{
    const bool waiting = std::any_of(m_queue.begin(), m_queue.end(),
                                     [&](const TMessage &message) { return message.Text == text; });
    if (!waiting)
        m_queue.push_back({text, kind});
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(this, &TDeferredMessages::ShowPending, Qt::QueuedConnection);
}

void TDeferredMessages::ShowPending()
{
    m_scheduled = false;
    // A box's own event loop may post again: the loop below shows those too.
    if (m_showing)
        return;
    m_showing = true;
    while (!m_queue.empty()) {
        const TMessage message = m_queue.front();
        m_queue.pop_front();
        TOperatorPrompt::Inform(m_window, message.Text, message.Kind);
    }
    m_showing = false;
}
