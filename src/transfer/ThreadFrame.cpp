#include "transfer/ThreadFrame.h"

#include "transfer/LogoFrameProcess.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <thread>


TThreadFrame::TThreadFrame(QObject *parent) : QThread(parent) {}

TThreadFrame::~TThreadFrame()
{
    Shutdown();
}

void TThreadFrame::Shutdown()
{
    if (!isRunning())
        return;
    if (RunningFlag)
        Wake(AbortRequested);
    Wake(TerminateRequested);
    JoinKeepingEventsFlowing();
}

void TThreadFrame::JoinKeepingEventsFlowing()
{
    // The worker's last steps give the link back through calls carried to
    // the link's thread; if that is this thread, it must not block on them.
    if (!Driver || Driver->thread() != QThread::currentThread()) {
        wait();
        return;
    }
    QEventLoop loop;
    connect(this, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    if (!isFinished())
        loop.exec();
    wait();
}

void TThreadFrame::Wake(std::atomic<bool> &flag)
{
    {
        std::lock_guard<std::mutex> lock(Mutex);
        flag = true;
    }
    WakeUp.notify_all();
}

void TThreadFrame::Reset()
{
    SetStatus(QString());
    PixelsHandled = 0;
    SecondPass = false;
    Cursor = TPictureCursor();
    Wake(ResetRequested);
}

bool TThreadFrame::Start()
{
    if (!Driver || !Picture) {
        SetStatus(FailureStatus());
        FinishedFlag = true;
        return false;
    }
    if (RunningFlag || StartRequested)
        return false;
    // Running from the request on, so that nobody watching takes the time
    // before the worker's next turn for a transfer already over.
    RunningFlag = true;
    FinishedFlag = false;
    SucceededFlag = false;
    Wake(StartRequested);
    if (!isRunning())
        QThread::start();
    return true;
}

void TThreadFrame::Abort()
{
    if (!RunningFlag)
        return;
    SetStatus(AbortedStatus());
    Wake(AbortRequested);
}

QString TThreadFrame::Status() const
{
    std::lock_guard<std::mutex> lock(Mutex);
    return StatusText;
}

void TThreadFrame::SetStatus(const QString &status)
{
    std::lock_guard<std::mutex> lock(Mutex);
    StatusText = status;
}

int TThreadFrame::WriteProgress() const
{
    const uint64_t total = PicturePixels;
    if (total == 0)
        return 0;
    const uint64_t handled = PixelsHandled + (SecondPass ? total / 2 : 0);
    return int(std::min<uint64_t>(100, 100 * handled / total));
}

void TThreadFrame::SetErasePercent(int percent)
{
    ErasePercent = percent;
    if (EraseProgressCallback)
        EraseProgressCallback(percent);
}

void TThreadFrame::RaiseWriteProgress()
{
    if (WriteProgressCallback)
        WriteProgressCallback(WriteProgress());
}

// ------------------------------------------------------------ worker loop

void TThreadFrame::run()
{
    for (;;) {
        HandleRequests();
        if (IsIdle()) {
            if (TerminateRequested)
                return;
            std::unique_lock<std::mutex> lock(Mutex);
            WakeUp.wait(lock, [this] { return AnyRequest(); });
            continue;
        }
        RunState();
    }
}

void TThreadFrame::HandleRequests()
{
    if (ResetRequested.exchange(false)) {
        if (LinkTaken)
            FinishTransfer(false);
        GoIdle();
    } else if (StartRequested.exchange(false)) {
        TakeLink();
        BeginTransfer();
    } else if (AbortRequested.exchange(false)) {
        if (!IsIdle())
            BeginAbort();
    }
}

// ------------------------------------------------------------ the link

void TThreadFrame::TakeLink()
{
    {
        std::lock_guard<std::mutex> lock(Mutex);
        Received.clear();
    }
    ErasePercent = 0;
    RecordCount = 0;
    SentBytes = 0;
    ReceivedBytes = 0;
    KeptHandler = Driver->SetRecStringHandler([this] { OnLinkReceived(); });
    LinkTaken = true;
}

void TThreadFrame::OnLinkReceived()
{
    // On the link's thread, after each chunk received in raw mode.
    const QByteArray text = Driver->TakeReceivedText().toLatin1();
    ReceivedBytes += uint64_t(text.size());
    {
        std::lock_guard<std::mutex> lock(Mutex);
        Received += text;
    }
    WakeUp.notify_all();
}

void TThreadFrame::RequestTransferMode()
{
    // All three on the link's thread in one go: a device that answers
    // quickly must find the link in raw mode already, or its ".1" would be
    // read as a variable report and lost.
    const auto request = [this] {
        Driver->SetConMode(cmVAR);
        if (TransferModeCallback)
            TransferModeCallback();
        Driver->SetConMode(cmRAW);
    };
    QMetaObject::invokeMethod(Driver, request, Qt::BlockingQueuedConnection);
}

TThreadFrame::TWait TThreadFrame::WaitForTransferMode(std::optional<TClock::time_point> deadline)
{
    std::unique_lock<std::mutex> lock(Mutex);
    const auto ready = [this] { return Interrupted() || Received.contains(".1\r"); };
    if (!deadline) {
        WakeUp.wait(lock, ready);
    } else if (!WakeUp.wait_until(lock, *deadline, ready)) {
        return wTimedOut;
    }
    return Interrupted() ? wInterrupted : wReply;
}

void TThreadFrame::SwitchToTransferSpeed()
{
    Driver->SetBaudRate(TransferBaudRate);
    Settle();
}

void TThreadFrame::Settle() const
{
    std::this_thread::sleep_for(std::chrono::milliseconds(SettleDelayMs.load()));
}

void TThreadFrame::SendRecord(const QByteArray &line)
{
    {
        std::lock_guard<std::mutex> lock(Mutex);
        Received.clear();
    }
    ++RecordCount;
    SentBytes += uint64_t(line.size());
    // Not waited for: the worker is back waiting for the answer while the
    // record goes out.
    Driver->PostRawText(QString::fromLatin1(line));
}

TThreadFrame::TWait TThreadFrame::WaitForReply(IntelHex::THexRecord &reply, std::optional<TClock::time_point> deadline)
{
    std::unique_lock<std::mutex> lock(Mutex);
    for (;;) {
        if (Interrupted())
            return wInterrupted;
        if (IntelHex::TakeReply(Received, reply) == IntelHex::fReply)
            return wReply;
        if (!deadline) {
            WakeUp.wait(lock);
        } else if (WakeUp.wait_until(lock, *deadline) == std::cv_status::timeout) {
            // One last look: the reply may have come with the deadline.
            if (!Interrupted() && IntelHex::TakeReply(Received, reply) == IntelHex::fReply)
                return wReply;
            return wTimedOut;
        }
    }
}

void TThreadFrame::FinishTransfer(bool succeeded)
{
    // The link is given back before anyone is told the transfer is over, so
    // that whoever acts on the finished flag finds it as it was.
    // Variable mode first: a report the device makes once it is out of
    // transfer mode must reach the variable parser, not this thread's buffer.
    if (LinkTaken) {
        Driver->SetConMode(cmVAR);
        Driver->SetRecStringHandler(std::move(KeptHandler));
        KeptHandler = nullptr;
        LinkTaken = false;
        Driver->SetBaudRate(VarBaudRate);
    }
    SucceededFlag = succeeded;
    FinishedFlag = true;
    RunningFlag = false;
}
