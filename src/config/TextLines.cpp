#include "TextLines.h"

namespace TextLines {

QStringList Split(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype at = 0; at < size; ++at) {
        const QChar c = text.at(at);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, at - start);
        if (c == QLatin1Char('\r') && at + 1 < size && text.at(at + 1) == QLatin1Char('\n'))
            ++at;
        start = at + 1;
    }
    if (start < size)
        lines << text.mid(start);
    return lines;
}

} // namespace TextLines
