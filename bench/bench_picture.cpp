// Picture conversion speed: the animated strip of a 100-frame 320 x 240 GIF
// against ImageMagick's coalescing of the same file, and the luma key of a
// full-HD picture.
#include "GifBuilder.h"
#include "transfer/AnimatedStrip.h"
#include "transfer/GifDecoder.h"
#include "transfer/LogoFrameProcess.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray HundredFrameGif()
{
    TTestGif gif;
    gif.Width = 320;
    gif.Height = 240;
    for (int i = 0; i < 256; ++i)
        gif.Palette.push_back(qRgb(i, (i * 7) & 255, 255 - i));
    for (int n = 0; n < 100; ++n) {
        TTestGifFrame frame = SolidFrame(0, 0, 320, 240, 0, 1);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x)
                frame.Indices[size_t(y * 320 + x)] = uint8_t((x / 4 + y / 4 * 3 + n * 7) & 255);
        gif.Frames.push_back(std::move(frame));
    }
    return EncodeGif(gif);
}

const QByteArray &GifFile()
{
    static const QByteArray data = HundredFrameGif();
    return data;
}

void BM_DecodeGif(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeGif(GifFile()));
}
BENCHMARK(BM_DecodeGif)->Unit(benchmark::kMillisecond);

// 100 frames of 320 x 240 are far more than the animated logo memory holds,
// so the converter refuses them before painting; the benchmark times the
// painting itself, which is what a fitting animation costs.
void BM_BuildAnimatedStrip(benchmark::State &state)
{
    const TGifImage gif = DecodeGif(GifFile()).Value;
    const TStripLayout layout = LayoutStrip(gif);
    for (auto _ : state) {
        const QImage strip = ComposeStrip(gif, layout);
        if (strip.height() != 100 * 240)
            state.SkipWithError("strip not built");
    }
}
BENCHMARK(BM_BuildAnimatedStrip)->Unit(benchmark::kMillisecond);

// What the loader does with a GIF file, to compare with ImageMagick's whole run.
void BM_DecodeAndBuildAnimatedStrip(benchmark::State &state)
{
    for (auto _ : state) {
        const TGifImage gif = DecodeGif(GifFile()).Value;
        benchmark::DoNotOptimize(ComposeStrip(gif, LayoutStrip(gif)));
    }
}
BENCHMARK(BM_DecodeAndBuildAnimatedStrip)->Unit(benchmark::kMillisecond);

void BM_ImageMagickCoalesce(benchmark::State &state)
{
    const QString convert = QStandardPaths::findExecutable("convert");
    QTemporaryDir dir;
    const QString path = dir.filePath("anim.gif");
    QFile file(path);
    if (convert.isEmpty() || !file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("ImageMagick's convert is not on PATH");
        return;
    }
    file.write(GifFile());
    file.close();
    for (auto _ : state) {
        QProcess process;
        process.start(convert, {path, "-coalesce", "null:"});
        if (!process.waitForFinished(120000) || process.exitCode() != 0) {
            state.SkipWithError("convert failed");
            return;
        }
    }
}
BENCHMARK(BM_ImageMagickCoalesce)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ApplyLumaKey(benchmark::State &state)
{
    QImage picture(1920, 1080, QImage::Format_RGB888);
    for (int y = 0; y < picture.height(); ++y) {
        uchar *row = picture.scanLine(y);
        for (int x = 0; x < 3 * picture.width(); ++x)
            row[x] = uchar((x * 31 + y * 17) & 255);
    }
    TLogoFrameProcess process;
    process.SetBmpLoad(picture);
    process.SetLLEVEL(64);
    for (auto _ : state)
        process.ApplyLumaKey();
}
BENCHMARK(BM_ApplyLumaKey)->Unit(benchmark::kMillisecond);

} // namespace
