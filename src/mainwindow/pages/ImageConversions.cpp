#include "ImageConversions.h"

#include "NumberText.h"
#include "variables/Conversion_V2.h"

#include <QRegularExpression>
#include <algorithm>

namespace ImageConversions {

namespace {

// The caption unit of the H. phase: hundredths of a microsecond.
constexpr int PhaseCaptionsPerMicrosecond = 100;

void SetUp(TConversion_V2 &conversion, const TScale &scale, TArrondi rounding)
{
    conversion.Setup(scale.DeviceMin, scale.DeviceMax, scale.CaptionMin, scale.CaptionMax, rounding, 5, 0);
}

// The whole caption the operator typed, in the unit's caption steps.
std::optional<int64_t> TypedCaption(TUnit unit, const QString &text)
{
    QString number = text;
    const QString suffix = UnitSuffix(unit);
    if (!suffix.isEmpty()) {
        const int at = int(number.indexOf(suffix, 0, Qt::CaseInsensitive));
        if (at >= 0)
            number.remove(at, suffix.size());
    }
    const std::optional<int64_t> whole = ReadWhole(number);
    if (!whole || unit != TUnit::Microseconds)
        return whole;
    return *whole * PhaseCaptionsPerMicrosecond;
}

} // namespace

TScale ScaleOf(TUnit unit, int deviceMin, int deviceMax)
{
    switch (unit) {
    case TUnit::Percent: return {deviceMin, deviceMax, 0, 100};
    case TUnit::Steps: return {deviceMin, deviceMax, 0, 7};
    case TUnit::Degrees: return {deviceMin, deviceMax, -180, 180};
    case TUnit::Lines: return {deviceMin, deviceMax, -5, 5};
    case TUnit::Tenths:
    case TUnit::Plain:
    case TUnit::Microseconds: break;
    }
    return {deviceMin, deviceMax, deviceMin, deviceMax};
}

TScale PhaseScale(const TPhaseRange &range)
{
    return {range.ScrollMin, range.ScrollMax, range.DisplayMin, range.DisplayMax};
}

int CaptionOf(const TScale &scale, int value)
{
    if (scale.DeviceMin == scale.DeviceMax)
        return 0;
    TConversion_V2 conversion;
    SetUp(conversion, scale, Arr_VsMoinsInf);
    return int(TConversion_V2::Round(conversion.DrvToCaptionValue(value), Arr_VsMoinsInf));
}

int DeviceOf(const TScale &scale, int64_t caption)
{
    const int64_t clamped = std::clamp<int64_t>(caption, scale.CaptionMin, scale.CaptionMax);
    TConversion_V2 conversion;
    SetUp(conversion, scale, Arr_VsPair);
    return conversion.ValCaptionToDrv(int32_t(clamped));
}

QString UnitSuffix(TUnit unit)
{
    switch (unit) {
    case TUnit::Percent: return QStringLiteral("%");
    case TUnit::Microseconds: return QStringLiteral("\u00B5s");
    case TUnit::Degrees: return QStringLiteral("\u00B0");
    case TUnit::Lines: return QStringLiteral("Lines");
    case TUnit::Tenths:
    case TUnit::Steps:
    case TUnit::Plain: break;
    }
    return QString();
}

QString DisplayText(TUnit unit, const TScale &scale, int value, const QLocale &locale)
{
    switch (unit) {
    case TUnit::Tenths:
        return GammaText(value, locale);
    case TUnit::Plain:
        return QString::number(value);
    case TUnit::Microseconds:
        return GeneralNumberText(CaptionOf(scale, value) / double(PhaseCaptionsPerMicrosecond), 5, locale)
               + UnitSuffix(unit);
    case TUnit::Percent:
    case TUnit::Steps:
    case TUnit::Degrees:
    case TUnit::Lines:
        break;
    }
    return QString::number(CaptionOf(scale, value)) + UnitSuffix(unit);
}

std::optional<int> EntryValue(TUnit unit, const TScale &scale, const QString &text)
{
    if (unit == TUnit::Tenths)
        return std::nullopt;
    const std::optional<int64_t> caption = TypedCaption(unit, text);
    if (!caption)
        return std::nullopt;
    if (unit == TUnit::Plain) {
        if (*caption < scale.DeviceMin || *caption > scale.DeviceMax)
            return std::nullopt;
        return int(*caption);
    }
    return DeviceOf(scale, *caption);
}

std::optional<int64_t> ReadWhole(const QString &text)
{
    // Digits only: QLocale would take "1.4" for 14 where the point groups
    // thousands, and a decimal must never pass for a whole number.
    static const QRegularExpression whole(QStringLiteral("^\\s*([+-]?[0-9]{1,15})\\s*$"));
    const QRegularExpressionMatch match = whole.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toLongLong();
}

QString GammaText(int value, const QLocale &locale)
{
    const QString separator = locale.decimalPoint();
    if (value >= 0 && value <= 9)
        return QStringLiteral("0") + separator + QString::number(value);
    QString text = GeneralNumberText(value / 10.0, 2, locale);
    if (text.size() < 2)
        text += separator + QStringLiteral("0");
    return text;
}

} // namespace ImageConversions
