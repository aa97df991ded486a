#pragma once
#include <QByteArray>
#include <QString>

// The --log trace on standard error: every command received and every
// report, and the TCP clients coming and going, with a time stamp. Off
// unless enabled.
namespace SimLog {

void SetEnabled(bool enabled);
bool IsEnabled();
// "12:00:01.234 tcp <- 1024RX"; bytes outside printable ASCII as \xNN.
void Write(const QString &where, const char *direction, const QByteArray &text);
QString Printable(const QByteArray &text);

} // namespace SimLog
