#include "transfer/RunLength.h"

namespace RunLength {

namespace {
constexpr int MaxRun = 255;
}

QByteArray Encode(const QByteArray &raw)
{
    QByteArray pairs;
    for (qsizetype i = 0; i < raw.size();) {
        qsizetype run = 1;
        while (i + run < raw.size() && run < MaxRun && raw[i + run] == raw[i])
            ++run;
        pairs.append(char(run));
        pairs.append(raw[i]);
        i += run;
    }
    return pairs;
}

QByteArray Decode(const QByteArray &pairs, int maxBytes)
{
    QByteArray raw;
    for (qsizetype i = 0; i + 1 < pairs.size() && raw.size() < maxBytes; i += 2) {
        const qsizetype count = std::min<qsizetype>(uint8_t(pairs[i]), maxBytes - raw.size());
        raw.append(count, pairs[i + 1]);
    }
    return raw;
}

} // namespace RunLength
