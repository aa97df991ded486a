#include "transfer/JpegDecoder.h"

#include "transfer/JpegErrors.h"
#include "transfer/PictureLimits.h"

#include <jerror.h>

namespace {

// A file that ends early is only a warning to libjpeg, which pads the picture
// with grey; a picture sent to the device must not be silently incomplete.
void RefusePrematureEnd(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        LeaveJpegOnError(info);
}

struct TDecompressor
{
    jpeg_decompress_struct Info{};
    TJpegErrorManager Errors{};

    TDecompressor()
    {
        Info.err = InstallJpegErrors(Errors);
        Errors.Base.emit_message = RefusePrematureEnd;
        jpeg_create_decompress(&Info);
    }
    ~TDecompressor() { jpeg_destroy_decompress(&Info); }
    TDecompressor(const TDecompressor &) = delete;
    TDecompressor &operator=(const TDecompressor &) = delete;
};

QString SizeRefusal(JDIMENSION width, JDIMENSION height)
{
    if (width < 1 || height < 1)
        return QStringLiteral("empty JPEG picture");
    if (PictureLimits::ExceedsLargestDestination(width, height))
        return QStringLiteral("JPEG picture of %1 x %2 exceeds the largest destination").arg(width).arg(height);
    return {};
}

// The two steps below hold no C++ object across libjpeg calls, so that the
// jump back from an error skips no destructor.
bool ReadHeader(TDecompressor &d, const QByteArray &data)
{
    if (setjmp(d.Errors.Return))
        return false;
    jpeg_mem_src(&d.Info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.Info, TRUE);
    return true;
}

bool ReadPixels(TDecompressor &d, uchar *firstRow, qsizetype bytesPerLine)
{
    if (setjmp(d.Errors.Return))
        return false;
    d.Info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.Info);
    if (d.Info.output_components != 3 || d.Info.output_width != d.Info.image_width
        || d.Info.output_height != d.Info.image_height) {
        std::snprintf(d.Errors.Message, sizeof d.Errors.Message, "unexpected decoded layout");
        return false;
    }
    while (d.Info.output_scanline < d.Info.output_height) {
        JSAMPROW row = firstRow + qsizetype(d.Info.output_scanline) * bytesPerLine;
        jpeg_read_scanlines(&d.Info, &row, 1);
    }
    jpeg_finish_decompress(&d.Info);
    return true;
}

QString LibraryError(const TDecompressor &d)
{
    return QStringLiteral("damaged JPEG data (%1)").arg(QString::fromLatin1(d.Errors.Message));
}

} // namespace

TDecoded<QImage> DecodeJpeg(const QByteArray &data)
{
    if (data.isEmpty())
        return TDecoded<QImage>::Failure(QStringLiteral("empty JPEG file"));
    TDecompressor decompressor;
    if (!ReadHeader(decompressor, data))
        return TDecoded<QImage>::Failure(LibraryError(decompressor));
    const jpeg_decompress_struct &info = decompressor.Info;
    const QString refusal = SizeRefusal(info.image_width, info.image_height);
    if (!refusal.isEmpty())
        return TDecoded<QImage>::Failure(refusal);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        return TDecoded<QImage>::Failure(QStringLiteral("CMYK JPEG pictures are not supported"));
    // Unscaled RGB output has the header's size.
    QImage picture(int(info.image_width), int(info.image_height), QImage::Format_RGB888);
    if (picture.isNull())
        return TDecoded<QImage>::Failure(QStringLiteral("out of memory"));
    if (!ReadPixels(decompressor, picture.bits(), picture.bytesPerLine()))
        return TDecoded<QImage>::Failure(LibraryError(decompressor));
    return TDecoded<QImage>::Success(picture);
}
