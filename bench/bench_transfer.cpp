// Picture upload speed against morlix-sim over TCP loopback: a full-HD frame
// of a photograph-like picture (hardly a repeated block) and a mostly flat
// logo, unpaced; and a logo on a line paced at 115200 baud, where the upload
// must take no longer than the wire time of its bytes (both directions) plus
// 5 %: the device must never wait for the application.
//
// Counters: records per second, bytes on the wire (both directions), the
// time those bytes take on a 115200-baud line, and the upload's time as a
// multiple of that wire time.
#include "BenchPictures.h"
#include "BenchUpload.h"
#include "SimProcess.h"
#include "link/ComDriverMorlix.h"
#include "transfer/PictureLimits.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int Patience = TBenchUpload::PatienceMs;
constexpr double BitsPerCharacter = 10;
constexpr double TransferBaud = 115200;

void Upload(benchmark::State &state, const QImage &image, const QStringList &simOptions)
{
    SimProcess sim;
    const bool started = sim.Start(simOptions);
    TComDriverMorlix link(Patience, Patience);
    // The device found, as the loader window finds it; its full resend
    // would only share the line with the upload.
    link.SetQueryAllVarsOnConnect(false);
    link.SetIPRemoteAddress("127.0.0.1");
    link.SetIPRemotePort(sim.Port);
    link.SetConType(ctTCP);
    link.Open();
    if (!started || !WaitWithEvents([&] { return link.Connected(); }, 10000)) {
        state.SkipWithError("no simulator");
        return;
    }
    TBenchUpload upload(link, image, PictureLimits::KindFrame);
    const TThreadFrameRaw &sender = upload.Sender;

    double records = 0;
    double bytes = 0;
    double received = 0;
    double seconds = 0;
    for (auto _ : state) {
        if (!upload.RunIteration(state))
            return;
        records += double(sender.RecordsSent());
        bytes += double(sender.BytesSent() + sender.BytesReceived());
        received += double(sender.BytesReceived());
        seconds += upload.LastSeconds;
    }
    const double iterations = double(state.iterations());
    const double wireSeconds = bytes / iterations * BitsPerCharacter / TransferBaud;
    state.counters["records_per_s"] = records / seconds;
    state.counters["records"] = records / iterations;
    state.counters["wire_bytes"] = bytes / iterations;
    state.counters["received_bytes"] = received / iterations;
    state.counters["wire_s_115200"] = wireSeconds;
    state.counters["time_over_wire"] = seconds / iterations / wireSeconds;
}

void BM_UploadPhotographFrame(benchmark::State &state)
{
    Upload(state, PhotographLike(1920, 1080), {});
}
BENCHMARK(BM_UploadPhotographFrame)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

void BM_UploadFlatLogo(benchmark::State &state)
{
    Upload(state, MostlyFlatLogo(720, 360), {});
}
BENCHMARK(BM_UploadFlatLogo)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// On a paced line the upload should take the wire time: time_over_wire at
// most 1.05. The logo is 160 x 90 and photograph-like: 1359 records.
void BM_UploadLogoAt115200(benchmark::State &state)
{
    Upload(state, PhotographLike(160, 90), {"--baud", "115200"});
}
BENCHMARK(BM_UploadLogoAt115200)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
