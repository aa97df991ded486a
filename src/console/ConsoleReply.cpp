#include "ConsoleReply.h"

TConsoleReply TConsoleReply::Split(const QString &line)
{
    TConsoleReply reply;
    quint64 value = 0;
    bool overflow = false;
    for (const QChar c : line) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9') {
            value = value * 10 + (u - '0');
            overflow = overflow || value > 0xFFFFFFFFull;
            if (overflow)
                value = 0;
        } else if ((u >= 33 && u <= 47) || (u >= 58 && u <= 127)) {
            reply.Mnemonic += c;
        }
    }
    if (!overflow)
        reply.Value = quint32(value);
    return reply;
}
