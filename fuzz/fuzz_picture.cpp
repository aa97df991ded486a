// Feeds arbitrary bytes to the GIF and JPEG loading path and, when a picture
// comes out, through the conversion the loader runs on it.
#include "transfer/GifDecoder.h"
#include "transfer/JpegDecoder.h"
#include "transfer/LogoFrameProcess.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    TLogoFrameProcess process;
    if (size >= 3 && bytes.startsWith("GIF")) {
        TDecoded<TGifImage> gif = DecodeGif(bytes);
        if (gif.Ok()) {
            process.SetGIF(std::move(gif.Value));
            process.BuildAnimatedStrip();
        }
    } else {
        const TDecoded<QImage> jpeg = DecodeJpeg(bytes);
        if (jpeg.Ok()) {
            process.SetBmpLoad(jpeg.Value);
            process.SetLLEVEL(128);
            process.ApplyLumaKey();
            process.CheckPictureSize(2);
        }
    }
    return 0;
}
