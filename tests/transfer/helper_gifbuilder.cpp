#include "GifBuilder.h"

#include <gif_lib.h>

#include <memory>
#include <stdexcept>

namespace {

int AppendToArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

struct TMapDeleter
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};
using TMap = std::unique_ptr<ColorMapObject, TMapDeleter>;

TMap MakeMap(const std::vector<QRgb> &palette)
{
    if (palette.empty())
        return nullptr;
    int size = 2;
    while (size < int(palette.size()))
        size *= 2;
    std::vector<GifColorType> colors(size_t(size), GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i)
        colors[i] = GifColorType{GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                                 GifByteType(qBlue(palette[i]))};
    return TMap(GifMakeMapObject(size, colors.data()));
}

void Check(int result, const char *what)
{
    if (result == GIF_ERROR)
        throw std::runtime_error(what);
}

std::vector<int> RowOrder(const TTestGifFrame &frame)
{
    std::vector<int> rows;
    if (!frame.Interlaced) {
        for (int y = 0; y < frame.Height; ++y)
            rows.push_back(y);
        return rows;
    }
    const int start[] = {0, 4, 2, 1};
    const int step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < frame.Height; y += step[pass])
            rows.push_back(y);
    return rows;
}

void PutFrame(GifFileType *gif, const TTestGifFrame &frame)
{
    GraphicsControlBlock control{};
    control.DisposalMode = frame.Disposal;
    control.DelayTime = frame.DelayCs;
    control.TransparentColor = frame.TransparentIndex;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension), "extension");
    TMap local = MakeMap(frame.LocalPalette);
    Check(EGifPutImageDesc(gif, frame.Left, frame.Top, frame.Width, frame.Height, frame.Interlaced, local.get()),
          "image descriptor");
    if (frame.Width == 0 || frame.Height == 0) {
        // An empty image still needs its (empty) data blocks.
        GifPixelType none = 0;
        Check(EGifPutLine(gif, &none, 0), "empty image");
        return;
    }
    std::vector<GifPixelType> row(size_t(frame.Width));
    for (int y : RowOrder(frame)) {
        for (int x = 0; x < frame.Width; ++x)
            row[size_t(x)] = frame.Indices[size_t(y * frame.Width + x)];
        Check(EGifPutLine(gif, row.data(), frame.Width), "line");
    }
}

} // namespace

TTestGifFrame SolidFrame(int left, int top, int width, int height, uint8_t index, int disposal)
{
    TTestGifFrame frame;
    frame.Left = left;
    frame.Top = top;
    frame.Width = width;
    frame.Height = height;
    frame.Disposal = disposal;
    frame.Indices.assign(size_t(width * height), index);
    return frame;
}

QByteArray EncodeGif(const TTestGif &gif)
{
    QByteArray out;
    int error = 0;
    GifFileType *file = EGifOpen(&out, AppendToArray, &error);
    if (!file)
        throw std::runtime_error("EGifOpen");
    EGifSetGifVersion(file, true);
    TMap global = MakeMap(gif.Palette);
    Check(EGifPutScreenDesc(file, gif.Width, gif.Height, 8, gif.BackgroundIndex, global.get()), "screen");
    for (const TTestGifFrame &frame : gif.Frames)
        PutFrame(file, frame);
    Check(EGifCloseFile(file, &error), "close");
    return out;
}

void PatchGifScreen(QByteArray &gif, int width, int height)
{
    gif[6] = char(width & 0xFF);
    gif[7] = char(width >> 8);
    gif[8] = char(height & 0xFF);
    gif[9] = char(height >> 8);
}
