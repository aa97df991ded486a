#pragma once
#include <QString>
#include <optional>

// The number forms of the service console's log and calculator.
namespace ConsoleNumbers {

QString Decimal(quint32 value);
// Most significant digit first, round(log2 value) + 1 digits, so that a value
// whose base-2 logarithm has a fractional part of one half or more gets one
// leading zero: 3 is 011, 8 is 1000, 255 is 011111111; 0 is 0.
QString Binary(quint32 value);
// Upper-case digits without leading zeros.
QString Hexadecimal(quint32 value);

// The calculator's three rows.
enum TRow { DecimalRow, BinaryRow, HexadecimalRow };

struct TRows
{
    QString Decimal;
    QString Binary;
    QString Hexadecimal;
    QString &operator[](TRow row);
    bool operator==(const TRows &other) const
    {
        return Decimal == other.Decimal && Binary == other.Binary && Hexadecimal == other.Hexadecimal;
    }
};

TRows RowsFor(quint32 value);

// Shown in the other rows when an entry does not fit in 32 bits.
QString OverflowText();

// One edit of a row: the entry loses one leading "0" when it is longer than
// one character, and in the binary row every character other than 0 and 1
// becomes 0; the other two rows are computed from it. An entry that is not a
// number of its row's form gives "0" in the other rows.
TRows Edit(TRow row, const QString &entry);

} // namespace ConsoleNumbers
