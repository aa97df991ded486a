#include "transfer/LumaKey.h"

#include <array>
#include <cmath>

int Luma(int red, int green, int blue)
{
    // The weights are thousandths, so the exact sum in thousandths tells the
    // rounding in every case but a tie; only ties need the extended
    // computation, whose representation error decides their direction.
    const int thousandths = 299 * red + 587 * green + 114 * blue;
    if (thousandths % 1000 != 500)
        return (thousandths + 500) / 1000;
    const long double y = 0.299L * red + 0.587L * green + 0.114L * blue;
    return int(std::nearbyint(y));
}

namespace {

// Keying depends on nothing but the luma, so decide it once per luma value.
std::array<bool, 256> KeyedLumas(uint8_t level, TProcessLLumtype type)
{
    std::array<bool, 256> keyed{};
    for (int y = 0; y < 256; ++y)
        keyed[size_t(y)] = IsKeyed(y, level, type);
    return keyed;
}

} // namespace

TKeyedPictures ApplyLumaKeyTo(const QImage &source, uint8_t level, TProcessLLumtype type, QRgb keyColor)
{
    TKeyedPictures result;
    if (source.isNull())
        return result;
    const QImage input = source.format() == QImage::Format_RGB888 ? source
                                                                  : source.convertToFormat(QImage::Format_RGB888);
    result.Processed = input.copy();
    result.Preview = input.copy();
    if (level == 0)
        return result;
    const std::array<bool, 256> keyed = KeyedLumas(level, type);
    const uchar keyRgb[3] = {uchar(qRed(keyColor)), uchar(qGreen(keyColor)), uchar(qBlue(keyColor))};
    const int width = input.width();
    for (int row = 0; row < input.height(); ++row) {
        const uchar *in = input.constScanLine(row);
        uchar *processed = result.Processed.scanLine(row);
        uchar *preview = result.Preview.scanLine(row);
        for (int x = 0; x < width; ++x) {
            const uchar *pixel = in + 3 * x;
            if (!keyed[size_t(Luma(pixel[0], pixel[1], pixel[2]))])
                continue;
            processed[3 * x] = processed[3 * x + 1] = processed[3 * x + 2] = 0;
            preview[3 * x] = keyRgb[0];
            preview[3 * x + 1] = keyRgb[1];
            preview[3 * x + 2] = keyRgb[2];
        }
    }
    return result;
}
