#include "transfer/GifDecoder.h"

#include "transfer/PictureLimits.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct TMemoryInput
{
    const char *Data;
    size_t Size;
    size_t Position = 0;
};

int ReadFromMemory(GifFileType *gif, GifByteType *buffer, int length)
{
    auto *input = static_cast<TMemoryInput *>(gif->UserData);
    const size_t count = std::min(size_t(std::max(length, 0)), input->Size - input->Position);
    std::memcpy(buffer, input->Data + input->Position, count);
    input->Position += count;
    return int(count);
}

struct TGifCloser
{
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using TGifHandle = std::unique_ptr<GifFileType, TGifCloser>;

QString LibraryError(int code)
{
    const char *text = GifErrorString(code);
    return QStringLiteral("damaged GIF data (%1)").arg(QString::fromLatin1(text ? text : "unknown error"));
}

void CopyPalette(const ColorMapObject &map, TGifFrame &frame)
{
    frame.Palette.fill(qRgb(0, 0, 0));
    const int count = std::min(map.ColorCount, int(frame.Palette.size()));
    for (int i = 0; i < count; ++i)
        frame.Palette[size_t(i)] = qRgb(map.Colors[i].Red, map.Colors[i].Green, map.Colors[i].Blue);
}

// The graphic control extension announced for the next image.
struct TPendingControl
{
    int Disposal = TGifFrame::dmUnspecified;
    int DelayCs = 0;
    int TransparentIndex = -1;
};

class TGifReader
{
public:
    explicit TGifReader(GifFileType *gif) : Gif(gif) {}

    TDecoded<TGifImage> Read()
    {
        if (Gif->SWidth < 1 || Gif->SHeight < 1)
            return Fail(QStringLiteral("empty GIF screen"));
        if (PictureLimits::ExceedsLargestDestination(Gif->SWidth, Gif->SHeight))
            return Fail(QStringLiteral("GIF screen of %1 x %2 exceeds the largest destination")
                            .arg(Gif->SWidth)
                            .arg(Gif->SHeight));
        Image.ScreenWidth = Gif->SWidth;
        Image.ScreenHeight = Gif->SHeight;
        const ColorMapObject *global = Gif->SColorMap;
        if (global && Gif->SBackGroundColor >= 0 && Gif->SBackGroundColor < global->ColorCount) {
            const GifColorType &c = global->Colors[Gif->SBackGroundColor];
            Image.Background = qRgb(c.Red, c.Green, c.Blue);
        }

        for (;;) {
            GifRecordType record = UNDEFINED_RECORD_TYPE;
            if (DGifGetRecordType(Gif, &record) == GIF_ERROR)
                return Fail(LibraryError(Gif->Error));
            QString error;
            if (record == IMAGE_DESC_RECORD_TYPE)
                error = ReadImage();
            else if (record == EXTENSION_RECORD_TYPE)
                error = ReadExtension();
            else if (record == TERMINATE_RECORD_TYPE)
                break;
            if (!error.isEmpty())
                return Fail(error);
        }
        const bool anyImage = std::any_of(Image.Frames.begin(), Image.Frames.end(),
                                          [](const TGifFrame &frame) { return !frame.IsEmpty(); });
        if (!anyImage)
            return Fail(QStringLiteral("no image in the GIF file"));
        return TDecoded<TGifImage>::Success(std::move(Image));
    }

private:
    static TDecoded<TGifImage> Fail(const QString &reason) { return TDecoded<TGifImage>::Failure(reason); }

    QString ReadExtension()
    {
        int code = 0;
        GifByteType *block = nullptr;
        if (DGifGetExtension(Gif, &code, &block) == GIF_ERROR)
            return LibraryError(Gif->Error);
        if (code == GRAPHICS_EXT_FUNC_CODE && block) {
            GraphicsControlBlock control{};
            if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_ERROR)
                return QStringLiteral("damaged GIF graphic control extension");
            // The reserved disposal methods 4 to 7 mean nothing; treat them as unspecified.
            Pending.Disposal = control.DisposalMode <= TGifFrame::dmPrevious ? control.DisposalMode
                                                                             : TGifFrame::dmUnspecified;
            Pending.DelayCs = control.DelayTime;
            Pending.TransparentIndex = control.TransparentColor;
        }
        while (block) {
            if (DGifGetExtensionNext(Gif, &block) == GIF_ERROR)
                return LibraryError(Gif->Error);
        }
        return {};
    }

    QString ReadImage()
    {
        if (DGifGetImageDesc(Gif) == GIF_ERROR)
            return LibraryError(Gif->Error);
        const GifImageDesc &desc = Gif->Image;
        TGifFrame frame;
        frame.Left = desc.Left;
        frame.Top = desc.Top;
        frame.Width = desc.Width;
        frame.Height = desc.Height;
        frame.Disposal = Pending.Disposal;
        frame.DelayCs = Pending.DelayCs;
        frame.TransparentIndex = Pending.TransparentIndex;
        Pending = {};

        if (frame.Left < 0 || frame.Top < 0 || frame.Width < 0 || frame.Height < 0
            || int64_t(frame.Left) + frame.Width > Image.ScreenWidth
            || int64_t(frame.Top) + frame.Height > Image.ScreenHeight)
            return QStringLiteral("GIF image %1 lies outside the screen").arg(Image.Frames.size());

        if (frame.Width == 0 || frame.Height == 0) {
            Image.Frames.push_back(std::move(frame));
            return SkipImageData();
        }

        const ColorMapObject *map = desc.ColorMap ? desc.ColorMap : Gif->SColorMap;
        if (!map)
            return QStringLiteral("GIF image %1 has no colour table").arg(Image.Frames.size());
        CopyPalette(*map, frame);

        const int64_t pixels = int64_t(frame.Width) * frame.Height;
        DecodedPixels += pixels;
        if (DecodedPixels > PictureLimits::MaxDecodedGifPixels)
            return QStringLiteral("the GIF images together exceed the largest destination");
        frame.Indices.resize(size_t(pixels));
        const QString error = ReadRows(frame, desc.Interlace);
        if (!error.isEmpty())
            return error;
        Image.Frames.push_back(std::move(frame));
        return {};
    }

    QString ReadRows(TGifFrame &frame, bool interlaced)
    {
        auto readRow = [&](int y) {
            GifPixelType *row = frame.Indices.data() + size_t(y) * size_t(frame.Width);
            return DGifGetLine(Gif, row, frame.Width) != GIF_ERROR;
        };
        if (interlaced) {
            static constexpr int start[] = {0, 4, 2, 1};
            static constexpr int step[] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int y = start[pass]; y < frame.Height; y += step[pass])
                    if (!readRow(y))
                        return LibraryError(Gif->Error);
        } else {
            for (int y = 0; y < frame.Height; ++y)
                if (!readRow(y))
                    return LibraryError(Gif->Error);
        }
        return {};
    }

    QString SkipImageData()
    {
        int codeSize = 0;
        GifByteType *block = nullptr;
        if (DGifGetCode(Gif, &codeSize, &block) == GIF_ERROR)
            return LibraryError(Gif->Error);
        while (block) {
            if (DGifGetCodeNext(Gif, &block) == GIF_ERROR)
                return LibraryError(Gif->Error);
        }
        return {};
    }

    GifFileType *Gif;
    TGifImage Image;
    TPendingControl Pending;
    int64_t DecodedPixels = 0;
};

} // namespace

TDecoded<TGifImage> DecodeGif(const QByteArray &data)
{
    TMemoryInput input{data.constData(), size_t(data.size())};
    int error = 0;
    TGifHandle gif(DGifOpen(&input, ReadFromMemory, &error));
    if (!gif)
        return TDecoded<TGifImage>::Failure(error == D_GIF_ERR_NOT_GIF_FILE ? QStringLiteral("not a GIF file")
                                                                            : LibraryError(error));
    return TGifReader(gif.get()).Read();
}
