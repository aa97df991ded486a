#pragma once
// Messages raised while a change handler runs. A handler must not open a
// modal box itself: the box's event loop would go on delivering replies, and
// the handlers they run (and the shared conversion) would change state under
// the handler that is still half way through. Handlers post here instead; the
// messages are shown one after the other once control is back in the event
// loop.
#include "dialogs/OperatorPrompt.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <deque>

class TDeferredMessages : public QObject
{
    Q_OBJECT
public:
    explicit TDeferredMessages(QWidget *window, QObject *parent = nullptr);

    // Queues a message; the same text already waiting is not queued twice
    // (a handler runs on every report, a full resend reports many times).
    void Post(const QString &text, TOperatorPrompt::TKind kind = TOperatorPrompt::Warning);
    int Pending() const { return int(m_queue.size()); }
    // Shows what is queued, in order. The event loop runs this after the
    // handler that posted returns; tests may call it directly.
    void ShowPending();

private:
    struct TMessage
    {
        QString Text;
        TOperatorPrompt::TKind Kind;
    };
    QPointer<QWidget> m_window;
    std::deque<TMessage> m_queue;
    bool m_scheduled = false;
    bool m_showing = false;
};
