#pragma once
// Records the driver's reply events as text, in the order they fire.
#include "link/ComDriver.h"

#include <QStringList>

class EventLog : public QObject
{
public:
    QStringList events;

    explicit EventLog(TComDriver &link)
    {
        connect(&link, &TComDriver::OnRecString, this,
                [this, &link] { events << "rec " + link.ReceivedString(); });
        connect(&link, &TComDriver::OnBeforeVarChange, this,
                [this](int n, quint16 v) { events << QString("before %1 %2").arg(n).arg(v); });
        connect(&link, &TComDriver::OnVarReceived, this,
                [this](int n) { events << QString("received %1").arg(n); });
        connect(&link, &TComDriver::OnAfterVarChange, this,
                [this](int n) { events << QString("after %1").arg(n); });
    }
};

// The four events of one reply line whose value differs from the cache.
inline QStringList replyEvents(const QString &line, int n, int value, bool changed = true)
{
    QStringList events{"rec " + line, QString("before %1 %2").arg(n).arg(value),
                       QString("received %1").arg(n)};
    if (changed)
        events << QString("after %1").arg(n);
    return events;
}
