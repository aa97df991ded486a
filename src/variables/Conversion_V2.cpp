#include "Conversion_V2.h"

#include <QLocale>
#include <cfenv>
#include <cmath>
#include <cstdlib>

void TConversion_V2::Setup(int32_t minDrv, int32_t maxDrv, int32_t minCaption, int32_t maxCaption,
                           TArrondi rounding, uint8_t numTotal, uint8_t numAfterFloat)
{
    ValInit_MinDrv = minDrv;
    ValInit_MaxDrv = maxDrv;
    ValInit_MinCaption = minCaption;
    ValInit_MaxCaption = maxCaption;
    vTypeArrondi = rounding;
    vNumTotal = numTotal;
    vNumAfterFloat = numAfterFloat;
}

long double TConversion_V2::Round(long double value, TArrondi rounding)
{
    switch (rounding) {
    case Arr_VsPair: {
        // nearbyint follows the current rounding mode, which is to nearest,
        // ties to even, unless someone changed it: make sure.
        const int saved = std::fegetround();
        std::fesetround(FE_TONEAREST);
        const long double r = std::nearbyint(value);
        std::fesetround(saved);
        return r;
    }
    case Arr_VsZero:
        return std::trunc(value);
    case Arr_VsPlusInf:
        return std::ceil(value);
    case Arr_VsMoinsInf:
        return std::floor(value);
    case Arr_IDONTCARE:
        break;
    }
    return value;
}

QString TConversion_V2::FormatFixed(long double value, int numTotal, int numAfterFloat)
{
    const int total = qBound(1, numTotal, 18);
    const int decimals = qBound(0, numAfterFloat, 18);
    const QChar separator = QLocale().decimalPoint().at(0);

    if (!std::isfinite(value))
        return QStringLiteral("0");

    // Round to the significant digits first, then show the wanted decimals.
    const QString scientific = QString::number(double(value), 'e', total - 1);
    const double significant = scientific.toDouble();
    const double magnitude = std::fabs(significant);
    const int integerDigits = magnitude < 1.0 ? 1 : int(std::floor(std::log10(magnitude))) + 1;
    QString text;
    if (integerDigits > total) {
        text = QString::number(significant, 'E', total - 1);
    } else {
        text = QString::number(significant, 'f', decimals);
        // A value that rounds to zero is shown without a sign.
        if (text.toDouble() == 0.0)
            text = QString::number(0.0, 'f', decimals);
    }
    text.replace(QLatin1Char('.'), separator);
    return text;
}

long double TConversion_V2::DrvToCaptionValue(int32_t value) const
{
    // Differences in 64 bits: a 32-bit overflow would be undefined, and the
    // ranges the windows use never come near it anyway.
    const long double slope = static_cast<long double>(int64_t(ValInit_MinCaption) - ValInit_MaxCaption)
                              / static_cast<long double>(int64_t(ValInit_MinDrv) - ValInit_MaxDrv);
    return slope * static_cast<long double>(int64_t(value) - ValInit_MinDrv) + ValInit_MinCaption;
}

QString TConversion_V2::ValPosDrvToCaption(int32_t value) const
{
    if (ValInit_MinDrv == ValInit_MaxDrv)
        return QStringLiteral("0");
    return FormatFixed(Round(DrvToCaptionValue(value), vTypeArrondi), vNumTotal, vNumAfterFloat);
}

int32_t TConversion_V2::ValCaptionToDrv(int32_t value) const
{
    if (value < ValInit_MinCaption)
        value = ValInit_MinCaption;
    else if (value > ValInit_MaxCaption)
        value = ValInit_MaxCaption;
    if (ValInit_MinCaption == ValInit_MaxCaption)
        return 0;
    const int64_t product = (int64_t(value) - ValInit_MinCaption) * (int64_t(ValInit_MinDrv) - ValInit_MaxDrv);
    const long double r = static_cast<long double>(product)
                              / static_cast<long double>(int64_t(ValInit_MinCaption) - ValInit_MaxCaption)
                          + ValInit_MinDrv;
    // The integer itself: the round trip through text with enough significant
    // digits gives the same number, and with too few it could not be read back.
    return int32_t(Round(r, Arr_VsPair));
}
