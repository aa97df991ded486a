#include "ConsoleNumbers.h"

#include <algorithm>
#include <cmath>

namespace ConsoleNumbers {

namespace {

constexpr int Bits = 32;

// A number in the given base, of at most 32 bits; leading zeros are fine.
std::optional<quint32> Read(const QString &text, int base, bool &overflow)
{
    overflow = false;
    const QString digits = QStringLiteral("0123456789ABCDEF").left(base);
    if (text.isEmpty() || !std::all_of(text.cbegin(), text.cend(), [&](QChar c) { return digits.contains(c.toUpper()); }))
        return std::nullopt;
    bool fits = false;
    const qulonglong value = text.toULongLong(&fits, base);
    overflow = !fits || value > 0xFFFFFFFFull;
    if (overflow)
        return std::nullopt;
    return quint32(value);
}

} // namespace

QString &TRows::operator[](TRow row)
{
    switch (row) {
    case BinaryRow: return Binary;
    case HexadecimalRow: return Hexadecimal;
    case DecimalRow: break;
    }
    return Decimal;
}

QString Decimal(quint32 value)
{
    return QString::number(value);
}

QString Binary(quint32 value)
{
    if (value == 0)
        return QStringLiteral("0");
    const int digits = int(std::nearbyint(std::log2(double(value)))) + 1;
    return QString::number(value, 2).rightJustified(qMin(digits, Bits + 1), QLatin1Char('0'));
}

QString Hexadecimal(quint32 value)
{
    return QString::number(value, 16).toUpper();
}

TRows RowsFor(quint32 value)
{
    return TRows{Decimal(value), Binary(value), Hexadecimal(value)};
}

QString OverflowText()
{
    return QStringLiteral("Dépassement (32 bits)");
}

TRows Edit(TRow row, const QString &entry)
{
    QString text = entry;
    if (text.size() > 1 && text.startsWith(QLatin1Char('0')))
        text.remove(0, 1);
    if (row == BinaryRow) {
        for (QChar &c : text)
            if (c != QLatin1Char('0') && c != QLatin1Char('1'))
                c = QLatin1Char('0');
    }
    const int base = row == BinaryRow ? 2 : row == HexadecimalRow ? 16 : 10;
    bool overflow = false;
    const std::optional<quint32> value = Read(text, base, overflow);

    TRows rows;
    if (value) {
        rows = RowsFor(*value);
    } else {
        const QString shown = overflow ? OverflowText() : QStringLiteral("0");
        rows = TRows{shown, shown, shown};
    }
    rows[row] = text;
    return rows;
}

} // namespace ConsoleNumbers
