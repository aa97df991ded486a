#pragma once
// Pictures the upload benchmarks send.
#include <QImage>
#include <cstdint>

// Smooth light and shade with grain: neighbours almost never agree, so
// hardly a block repeats and hardly a channel shrinks by run-length coding.
inline QImage PhotographLike(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB888);
    uint32_t grain = 12345;
    for (int y = 0; y < height; ++y) {
        uchar *row = picture.scanLine(y);
        for (int x = 0; x < width; ++x) {
            grain = grain * 1103515245u + 12345u;
            const int noise = int((grain >> 16) & 7);
            row[3 * x] = uchar((x * 255 / width + noise) & 0xFF);
            row[3 * x + 1] = uchar((y * 255 / height + noise * 3) & 0xFF);
            row[3 * x + 2] = uchar(((x + y) / 8 + noise * 5) & 0xFF);
        }
    }
    return picture;
}

// Black (see-through) but for a coloured band with a little text-like detail.
inline QImage MostlyFlatLogo(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB888);
    picture.fill(Qt::black);
    for (int y = height / 3; y < height / 3 + height / 6; ++y)
        for (int x = width / 8; x < width * 7 / 8; ++x)
            picture.setPixel(x, y, (x / 6 + y / 6) % 5 == 0 ? qRgb(255, 255, 255) : qRgb(200, 30, 40));
    return picture;
}
