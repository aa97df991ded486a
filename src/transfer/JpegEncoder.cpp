#include "transfer/JpegEncoder.h"

#include "transfer/JpegErrors.h"

#include <cstdlib>

namespace {

constexpr int BestQuality = 100;

struct TCompressor
{
    jpeg_compress_struct Info{};
    TJpegErrorManager Errors{};
    unsigned char *Output = nullptr;
    unsigned long OutputSize = 0;

    TCompressor()
    {
        Info.err = InstallJpegErrors(Errors);
        jpeg_create_compress(&Info);
    }
    ~TCompressor()
    {
        jpeg_destroy_compress(&Info);
        std::free(Output);
    }
    TCompressor(const TCompressor &) = delete;
    TCompressor &operator=(const TCompressor &) = delete;
};

// Holds no C++ object across libjpeg calls, so that the jump back from an
// error skips no destructor.
bool Compress(TCompressor &c, const QImage &rgb)
{
    if (setjmp(c.Errors.Return))
        return false;
    jpeg_mem_dest(&c.Info, &c.Output, &c.OutputSize);
    c.Info.image_width = JDIMENSION(rgb.width());
    c.Info.image_height = JDIMENSION(rgb.height());
    c.Info.input_components = 3;
    c.Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c.Info);
    jpeg_set_quality(&c.Info, BestQuality, TRUE);
    for (int component = 0; component < c.Info.num_components; ++component) {
        c.Info.comp_info[component].h_samp_factor = 1;
        c.Info.comp_info[component].v_samp_factor = 1;
    }
    jpeg_start_compress(&c.Info, TRUE);
    while (c.Info.next_scanline < c.Info.image_height) {
        JSAMPROW row = const_cast<uchar *>(rgb.constScanLine(int(c.Info.next_scanline)));
        jpeg_write_scanlines(&c.Info, &row, 1);
    }
    jpeg_finish_compress(&c.Info);
    return true;
}

} // namespace

QByteArray EncodeJpeg(const QImage &picture, QString *error)
{
    if (picture.isNull() || picture.width() < 1 || picture.height() < 1) {
        if (error)
            *error = QStringLiteral("empty picture");
        return {};
    }
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    TCompressor compressor;
    if (!Compress(compressor, rgb)) {
        if (error)
            *error = QStringLiteral("JPEG encoding failed (%1)").arg(QString::fromLatin1(compressor.Errors.Message));
        return {};
    }
    return QByteArray(reinterpret_cast<const char *>(compressor.Output), qsizetype(compressor.OutputSize));
}
