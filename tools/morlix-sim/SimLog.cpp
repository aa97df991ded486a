#include "SimLog.h"

#include <QTime>
#include <cstdio>

namespace SimLog {

namespace {
bool &Enabled()
{
    static bool enabled = false;
    return enabled;
}
} // namespace

void SetEnabled(bool enabled)
{
    Enabled() = enabled;
}

bool IsEnabled()
{
    return Enabled();
}

QString Printable(const QByteArray &text)
{
    QString out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && byte != '\\')
            out += QLatin1Char(c);
        else
            out += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return out;
}

void Write(const QString &where, const char *direction, const QByteArray &text)
{
    if (!Enabled())
        return;
    const QString line = QStringLiteral("%1 %2 %3 %4\n")
                             .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")), where,
                                  QLatin1String(direction), Printable(text));
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

} // namespace SimLog
