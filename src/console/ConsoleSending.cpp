#include "ConsoleSending.h"

namespace ConsoleSending {

namespace {
const QChar CarriageReturn = QLatin1Char('\r');
const QString Backspace = QStringLiteral("\b");
} // namespace

TMode ModeFor(bool direct, bool transmitCarriageReturn)
{
    if (direct)
        return transmitCarriageReturn ? DirectWithCR : Direct;
    return transmitCarriageReturn ? LineWithCR : Line;
}

bool SendsEveryKey(TMode mode)
{
    return mode == DirectWithCR || mode == Direct;
}

bool TransmitsCarriageReturn(TMode mode)
{
    return mode == DirectWithCR || mode == LineWithCR;
}

QString TextForKey(TMode mode, const QString &keyText)
{
    if (!SendsEveryKey(mode))
        return QString();
    if (mode == Direct) {
        QString text = keyText;
        return text.remove(CarriageReturn);
    }
    return keyText;
}

std::optional<QString> TextForLine(TMode mode, const QString &line)
{
    if (SendsEveryKey(mode) || line.isEmpty() || line == Backspace)
        return std::nullopt;
    return mode == LineWithCR ? line + CarriageReturn : line;
}

QStringList TypedCharacters(const QString &text)
{
    QStringList characters;
    characters.reserve(text.size());
    for (const QChar c : text)
        if (c != CarriageReturn)
            characters << QString(c);
    return characters;
}

} // namespace ConsoleSending
