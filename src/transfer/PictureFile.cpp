#include "transfer/PictureFile.h"

#include "transfer/BitmapDecoder.h"
#include "transfer/GifDecoder.h"
#include "transfer/JpegDecoder.h"

#include <QFile>
#include <QFileInfo>

namespace {

TDecoded<TPictureFile> FromStill(TDecoded<QImage> decoded)
{
    if (!decoded.Ok())
        return TDecoded<TPictureFile>::Failure(decoded.Error);
    TPictureFile file;
    file.Still = std::move(decoded.Value);
    return TDecoded<TPictureFile>::Success(std::move(file));
}

TDecoded<TPictureFile> FromAnimation(TDecoded<TGifImage> decoded)
{
    if (!decoded.Ok())
        return TDecoded<TPictureFile>::Failure(decoded.Error);
    TPictureFile file;
    file.Kind = TPictureFile::pkAnimated;
    file.Animated = std::move(decoded.Value);
    return TDecoded<TPictureFile>::Success(std::move(file));
}

} // namespace

TDecoded<TPictureFile> LoadPictureFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    const QString lower = suffix.toLower();
    if (lower == QLatin1String("emf") || lower == QLatin1String("wmf"))
        return TDecoded<TPictureFile>::Failure(
            QStringLiteral("%1 metafiles are not supported").arg(lower.toUpper()));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TDecoded<TPictureFile>::Failure(QStringLiteral("cannot read %1").arg(path));
    // Far beyond any picture a destination can hold, decoded or not.
    constexpr qint64 MaxFileBytes = 256 * 1024 * 1024;
    if (file.size() > MaxFileBytes)
        return TDecoded<TPictureFile>::Failure(QStringLiteral("file too large"));
    const QByteArray data = file.readAll();

    // Cameras and other systems write upper-case extensions ("IMG_0001.JPG"):
    // the case says nothing about the content.
    if (lower == QLatin1String("gif"))
        return FromAnimation(DecodeGif(data));
    if (lower == QLatin1String("jpg") || lower == QLatin1String("jpeg"))
        return FromStill(DecodeJpeg(data));
    return FromStill(DecodeBitmap(data));
}
