#pragma once
// One picture upload as the loader window makes it, for the benchmarks.
#include "EventLoopWait.h"
#include "link/ComDriver.h"
#include "transfer/LogoFrameProcess.h"
#include "transfer/ThreadFrameRaw.h"
#include "transfer/TransferMode.h"
#include "transfer/TransferRecords.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

class TBenchUpload
{
public:
    static constexpr int PatienceMs = 3600 * 1000;

    TBenchUpload(TComDriver &link, const QImage &image, uint8_t kind)
    {
        Picture.SetBmpLoad(image);
        Picture.ApplyLumaKey();
        Sender.SetDriver(&link);
        Sender.SetPicture(&Picture);
        Sender.SetTransferModeCallback(TransferModeRequest(link));
        // The pause after the speed change belongs to the device, not to
        // the application: it is kept out of the measured time.
        Sender.SetSettleDelayMs(0);
        Sender.SetFlags(uint8_t(kind | TransferRecords::Flags::Interlaced));
        Sender.SetDestination(1);
    }

    // Uploads once, running this thread's events meanwhile; the time it took
    // in seconds, negative when the upload failed.
    double Run()
    {
        QElapsedTimer elapsed;
        elapsed.start();
        Sender.Reset();
        Sender.Start();
        WaitWithEvents([&] { return Sender.Finished(); }, PatienceMs);
        const double seconds = double(elapsed.nsecsElapsed()) / 1e9;
        return Sender.Succeeded() ? seconds : -1;
    }

    // One timed iteration: false, with the benchmark skipped, when the
    // upload failed.
    bool RunIteration(benchmark::State &state)
    {
        LastSeconds = Run();
        if (LastSeconds < 0) {
            state.SkipWithError("upload failed");
            return false;
        }
        state.SetIterationTime(LastSeconds);
        return true;
    }

    TLogoFrameProcess Picture;
    TThreadFrameRaw Sender;
    double LastSeconds = 0;
};
