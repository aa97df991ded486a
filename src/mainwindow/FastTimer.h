#pragma once
#include <QSet>
#include <QTimer>

// The main window's fast timer (1 ms): the status ticker and the animations
// share it. It runs while any of them needs it and stops when none does, so
// one going idle never freezes another half way.
class TFastTimer : public QTimer
{
    Q_OBJECT
public:
    using QTimer::QTimer;

    // A user (any object that steps on the timer's ticks) says whether it
    // needs the ticks now.
    void SetNeeded(const void *user, bool needed);
    bool Needed() const { return !m_users.isEmpty(); }

private:
    QSet<const void *> m_users;
};
