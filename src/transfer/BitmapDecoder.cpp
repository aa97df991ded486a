#include "transfer/BitmapDecoder.h"

#include "transfer/PictureLimits.h"

#include <QBuffer>
#include <QImageReader>

TDecoded<QImage> DecodeBitmap(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format().toLower();
    if (format != "bmp" && format != "ico" && format != "cur")
        return TDecoded<QImage>::Failure(QStringLiteral("not a bitmap or icon"));
    const QSize size = reader.size();
    if (size.isValid() && PictureLimits::ExceedsLargestDestination(size.width(), size.height()))
        return TDecoded<QImage>::Failure(QStringLiteral("bitmap of %1 x %2 exceeds the largest destination")
                                             .arg(size.width())
                                             .arg(size.height()));
    QImage picture = reader.read();
    if (picture.isNull())
        return TDecoded<QImage>::Failure(QStringLiteral("damaged %1 data (%2)")
                                             .arg(QString::fromLatin1(format.toUpper()), reader.errorString()));
    if (PictureLimits::ExceedsLargestDestination(picture.width(), picture.height()))
        return TDecoded<QImage>::Failure(QStringLiteral("bitmap exceeds the largest destination"));
    return TDecoded<QImage>::Success(picture.convertToFormat(QImage::Format_RGB888));
}
