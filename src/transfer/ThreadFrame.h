#pragma once
#include "link/ComDriver.h"
#include "transfer/IntelHex.h"
#include "transfer/TransferOrder.h"

#include <QByteArray>
#include <QString>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

class TLogoFrameProcess;

// What the sender and the receiver of a picture transfer share: the flags the
// window sets (start, abort, reset), the link taken over for the transfer, the
// receive buffer filled by the link's reply handler, the picture and its
// cursor, and the progress the window shows.
//
// The link is used only through its thread-safe calls, so the link's own
// thread must keep running its event loop while a transfer runs. A worker
// never spins: waiting for a reply sleeps on a condition variable that the
// reply handler, and every request of the window, wakes.
//
// The progress callbacks run on the worker thread; the owner carries them to
// its own. The transfer-mode callback runs on the link's thread, between the
// link's switch to variable mode and its switch to raw mode, and must write
// the request there and then.
class TThreadFrame : public QThread
{
public:
    using TNotify = std::function<void()>;
    using TProgress = std::function<void(int percent)>;
    using TClock = std::chrono::steady_clock;

    static constexpr uint32_t TransferBaudRate = 115200;
    static constexpr uint32_t DefaultVarBaudRate = 9600;
    static constexpr int DefaultSettleDelayMs = 100;

    explicit TThreadFrame(QObject *parent = nullptr);
    ~TThreadFrame() override;

    void Reset();
    // False, with the status "Failure." and the finished flag, without a link
    // or a picture; false as well while a transfer is already under way.
    bool Start();
    void Abort();
    bool Running() const { return RunningFlag; }
    bool Finished() const { return FinishedFlag; }
    // Whether the last transfer went through to its end.
    bool Succeeded() const { return SucceededFlag; }

    void SetFlags(uint8_t flags) { FlagsByte = flags; }
    void SetDestination(uint8_t number) { DestinationNumber = number; }
    void SetFrameCount(uint8_t count) { FrameCountValue = count; }
    void SetFrameDelay(int32_t delayMs) { FrameDelayValue = delayMs; }
    void SetDriver(TComDriver *driver) { Driver = driver; }
    void SetPicture(TLogoFrameProcess *picture) { Picture = picture; }
    void SetVarBaudRate(uint32_t baud) { VarBaudRate = baud; }
    // The pause that lets the device change its speed, and that goes before
    // an abandon; tests shorten it.
    void SetSettleDelayMs(int ms) { SettleDelayMs = ms; }

    void SetTransferModeCallback(TNotify callback) { TransferModeCallback = std::move(callback); }
    void SetEraseProgressCallback(TProgress callback) { EraseProgressCallback = std::move(callback); }
    void SetWriteProgressCallback(TProgress callback) { WriteProgressCallback = std::move(callback); }

    QString Status() const;
    int EraseProgress() const { return ErasePercent; }
    int WriteProgress() const;
    uint8_t FrameCount() const { return FrameCountValue; }
    // What the last transfer put on the line and took from it.
    uint64_t RecordsSent() const { return RecordCount; }
    uint64_t BytesSent() const { return SentBytes; }
    uint64_t BytesReceived() const { return ReceivedBytes; }
    int32_t FrameDelay() const { return FrameDelayValue; }

    static QString FailureStatus() { return QStringLiteral("Failure."); }
    static QString AbortedStatus() { return QStringLiteral("Transfer aborted by user."); }

protected:
    enum TWait { wReply, wTimedOut, wInterrupted };

    void run() override;
    // Aborts a running transfer, lets it give the link back and joins the
    // worker. Each subclass calls it in its destructor, while its states
    // still exist. Called on the link's thread it keeps that thread's events
    // flowing meanwhile, since the worker's last calls to the link need them.
    void Shutdown();
    // One state per call; the worker loop looks at the flags in between.
    virtual void RunState() = 0;
    virtual void BeginTransfer() = 0;
    virtual void BeginAbort() = 0;
    virtual void GoIdle() = 0;
    virtual bool IsIdle() const = 0;

    // Puts the device in transfer mode through the owner and the link in raw mode.
    void RequestTransferMode();
    // Waits until the device has accepted transfer mode (".1" CR arrived).
    TWait WaitForTransferMode(std::optional<TClock::time_point> deadline);
    // 115200 baud, then the pause the device needs to follow.
    void SwitchToTransferSpeed();
    void SendRecord(const QByteArray &line);
    // The next reply; a dropped record is no reply. Without a deadline the
    // wait ends only with a reply or a request of the window.
    TWait WaitForReply(IntelHex::THexRecord &reply, std::optional<TClock::time_point> deadline);
    // Gives the link back as it was: reply handler, speed, variable mode.
    void FinishTransfer(bool succeeded);
    void Settle() const;

    void SetStatus(const QString &status);
    void SetErasePercent(int percent);
    void RaiseWriteProgress();

    TLogoFrameProcess *Picture = nullptr;
    TComDriver *Driver = nullptr;
    TPictureCursor Cursor;
    // Pixels handled in this pass and the picture's size, for the progress.
    std::atomic<uint32_t> PixelsHandled{0};
    std::atomic<uint32_t> PicturePixels{0};
    std::atomic<bool> SecondPass{false};
    int PassesLeft = 1;
    bool Interlaced = false;
    std::atomic<uint8_t> FrameCountValue{1};
    std::atomic<int32_t> FrameDelayValue{0};
    std::atomic<uint8_t> FlagsByte{0};
    std::atomic<uint8_t> DestinationNumber{0};
    std::atomic<uint32_t> VarBaudRate{DefaultVarBaudRate};
    std::atomic<int> SettleDelayMs{DefaultSettleDelayMs};
    TClock::time_point Stamp;

private:
    bool Interrupted() const { return ResetRequested || AbortRequested; }
    bool AnyRequest() const { return Interrupted() || StartRequested || TerminateRequested; }
    void TakeLink();
    void HandleRequests();
    void OnLinkReceived();
    void Wake(std::atomic<bool> &flag);
    void JoinKeepingEventsFlowing();

    mutable std::mutex Mutex; // the receive buffer, the status and the wake-ups
    std::condition_variable WakeUp;
    QByteArray Received;
    QString StatusText;

    std::atomic<bool> StartRequested{false};
    std::atomic<bool> RunningFlag{false};
    std::atomic<bool> AbortRequested{false};
    std::atomic<bool> ResetRequested{true};
    std::atomic<bool> FinishedFlag{false};
    std::atomic<bool> SucceededFlag{false};
    std::atomic<bool> TerminateRequested{false};
    std::atomic<int> ErasePercent{0};
    std::atomic<uint64_t> RecordCount{0};
    std::atomic<uint64_t> SentBytes{0};
    std::atomic<uint64_t> ReceivedBytes{0};

    // The link's own reply handler, kept while the transfer holds the link.
    // Both are touched by the worker only.
    bool LinkTaken = false;
    TComDriver::TRecStringHandler KeptHandler;

    TNotify TransferModeCallback;
    TProgress EraseProgressCallback;
    TProgress WriteProgressCallback;
};
