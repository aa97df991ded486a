#pragma once
// Numbers as the pages show them to the operator.
#include <QLocale>
#include <QString>

// The general number format: at most `significantDigits` significant digits,
// no trailing zeros, the locale's decimal separator and no group separator
// ("59.94", "-3.4", "1").
QString GeneralNumberText(double value, int significantDigits, const QLocale &locale);
