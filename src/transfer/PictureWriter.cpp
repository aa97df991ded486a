#include "transfer/PictureWriter.h"

#include "transfer/JpegEncoder.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool IsJpegSuffix(const QString &suffix)
{
    return suffix.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0
           || suffix.compare(QLatin1String("jpeg"), Qt::CaseInsensitive) == 0;
}

QByteArray BitmapBytes(const QImage &picture, QString &error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) {
        error = QStringLiteral("bitmap encoding failed");
        return {};
    }
    return bytes;
}

} // namespace

TPictureFormat PictureFormatOf(const QString &path)
{
    return IsJpegSuffix(QFileInfo(path).suffix()) ? pfJpeg : pfBitmap;
}

QString WithPictureExtension(const QString &path, TPictureFormat format)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const bool fits = format == pfJpeg ? IsJpegSuffix(suffix)
                                       : suffix.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0;
    if (fits)
        return path;
    const QString stem = suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
    return stem + (format == pfJpeg ? QLatin1String(".jpg") : QLatin1String(".bmp"));
}

std::optional<QString> SavePicture(const QImage &picture, const QString &path, TPictureFormat format)
{
    if (picture.isNull())
        return QStringLiteral("there is no picture to write");
    QString error;
    const QByteArray bytes = format == pfJpeg ? EncodeJpeg(picture, &error) : BitmapBytes(picture, error);
    if (bytes.isEmpty())
        return error;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}
