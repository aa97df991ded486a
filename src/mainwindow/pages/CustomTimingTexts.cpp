#include "CustomTimingTexts.h"

#include <cmath>
#include <cstdlib>

namespace CustomTimingTexts {

QString RateText(uint16_t hundredths)
{
    return QString::number(hundredths / 100.0, 'g', 5) + QStringLiteral(" Hz");
}

QString PixelsText(uint16_t pixels)
{
    return QString::number(pixels) + QStringLiteral(" Pixels");
}

QString LinesText(uint16_t lines)
{
    return QString::number(lines) + QStringLiteral(" Lines");
}

std::optional<int> FoldStep(int current, int target, bool growing)
{
    if (growing ? current >= target : current <= target)
        return std::nullopt;
    const int distance = std::abs(target - current);
    // Halves to even, as the device's own tools round; never less than 1
    // for a distance of at least 1.
    const int step = int(std::nearbyint(distance / 2.0 + 0.5));
    return growing ? current + step : current - step;
}

} // namespace CustomTimingTexts
