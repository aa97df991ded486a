#include "StoredTextValidator.h"

bool TStoredTextValidator::Storable(const QString &text)
{
    for (const QChar c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() > 0xFF)
            return false;
    return true;
}

QValidator::State TStoredTextValidator::validate(QString &input, int &) const
{
    return Storable(input) ? Acceptable : Invalid;
}
