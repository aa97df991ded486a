#include "NumberText.h"

QString GeneralNumberText(double value, int significantDigits, const QLocale &locale)
{
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers.toString(value, 'g', significantDigits);
}
