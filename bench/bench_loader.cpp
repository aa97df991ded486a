// Uploads through the loader window, as the operator makes them, to
// morlix-sim on a line paced at 115200 baud: a 720 x 576 frame (a shaded
// border around a see-through centre) and a 100-frame animated logo of
// 100 x 100 (a square moving over black). Each is timed from "Transfer to
// Device" to the window's return to idle and set against the wire time of
// the bytes the transfer put on the line and took from it, the figure
// `morlixctl upload` prints.
//
// Counters: bytes on the wire (both directions), their time at 115200 baud,
// and the upload's time as a multiple of it.
#include "EventLoopWait.h"
#include "GifBuilder.h"
#include "SimProcess.h"
#include "TcpLink.h"
#include "dialogs/FormLogoFrameLoad.h"
#include "link/ComDriverMorlix.h"
#include "transfer/PictureLimits.h"
#include "transfer/ThreadFrameRaw.h"
#include "transfer/TransferMode.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Patience = 3600 * 1000;
constexpr double BitsPerCharacter = 10;
constexpr double TransferBaud = 115200;

QImage ShadedFrame()
{
    constexpr int Width = 720;
    constexpr int Height = 576;
    constexpr int Border = 48;
    QImage picture(Width, Height, QImage::Format_RGB888);
    picture.fill(Qt::black);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const bool border = x < Border || x >= Width - Border || y < Border || y >= Height - Border;
            if (border)
                picture.setPixel(x, y, qRgb(60 + x * 150 / Width, 40 + y * 180 / Height, 200 - (x + y) / 16));
        }
    return picture;
}

QByteArray MovingSquareGif()
{
    TTestGif gif;
    gif.Width = 100;
    gif.Height = 100;
    gif.Palette = {qRgb(0, 0, 0), qRgb(230, 40, 30), qRgb(250, 250, 250)};
    for (int n = 0; n < 100; ++n) {
        TTestGifFrame frame = SolidFrame(0, 0, 100, 100, 0, 1);
        frame.DelayCs = 4;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                frame.Indices[size_t((35 + y) * 100 + (n * 7 % 70) + x)] = uint8_t(x < 3 || y < 3 ? 2 : 1);
        gif.Frames.push_back(std::move(frame));
    }
    return EncodeGif(gif);
}

void UploadThroughLoader(benchmark::State &state, const QString &path, int kind, int number)
{
    SimProcess sim;
    const bool started = sim.Start({"--baud", "115200"});
    TComDriverMorlix link(Patience, Patience);
    if (!started || !OpenTcpLink(link, sim.Port, 10000)) {
        state.SkipWithError("no simulator");
        return;
    }
    TLogoFrameLoad loader;
    loader.SetDRIVER(&link);
    loader.SetTransfertModeEvent(TransferModeRequest(link));
    // The pause after the speed change belongs to the device: kept out.
    loader.SetSettleDelayMs(0);
    loader.LoadPicture(path, true);

    double bytes = 0;
    double seconds = 0;
    for (auto _ : state) {
        const int index = [&] {
            for (int i = 0; i < loader.Destinations().Count(); ++i)
                if (loader.Destinations().At(i).Kind == kind && loader.Destinations().At(i).Number == number)
                    return i;
            return -1;
        }();
        loader.ChooseDestination(index);
        QElapsedTimer elapsed;
        elapsed.start();
        loader.TransferToDevice();
        WaitWithEvents([&] { return !loader.TransferActive(); }, Patience);
        const double took = double(elapsed.nsecsElapsed()) / 1e9;
        state.SetIterationTime(took);
        if (!loader.Sender().Succeeded()) {
            state.SkipWithError("upload failed");
            return;
        }
        bytes += double(loader.Sender().BytesSent() + loader.Sender().BytesReceived());
        seconds += took;
    }
    const double iterations = double(state.iterations());
    const double wireSeconds = bytes / iterations * BitsPerCharacter / TransferBaud;
    state.counters["wire_bytes"] = bytes / iterations;
    state.counters["wire_s_115200"] = wireSeconds;
    state.counters["time_over_wire"] = seconds / iterations / wireSeconds;
}

void BM_LoaderUploadFrame720x576At115200(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("frame.bmp");
    ShadedFrame().save(path, "BMP");
    UploadThroughLoader(state, path, PictureLimits::KindFrame, 1);
}
BENCHMARK(BM_LoaderUploadFrame720x576At115200)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

void BM_LoaderUploadAnimation100FramesAt115200(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("anim.gif");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(MovingSquareGif()) < 0) {
        state.SkipWithError("cannot write the GIF");
        return;
    }
    file.close();
    UploadThroughLoader(state, path, PictureLimits::KindAnimatedLogo, PictureLimits::AnimatedLogoNumber);
}
BENCHMARK(BM_LoaderUploadAnimation100FramesAt115200)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
