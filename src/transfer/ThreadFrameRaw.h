#pragma once
#include "transfer/PictureBlock.h"
#include "transfer/ThreadFrame.h"
#include "transfer/TransferRecords.h"

// Sends the processed picture to one of the device's memories: the
// destination, geometry and animation records, the erase command, then the
// picture block by block, each record acknowledged by the device, identical
// blocks folded into repeat records, and the end record. Without an answer
// within the timeout of the step it abandons the transfer with a type 04
// record.
class TThreadFrameRaw : public TThreadFrame
{
public:
    static constexpr int DefaultTimeoutMs = 30000;
    // Blocks one repeat record may stand for.
    static constexpr int MaxRepeat = 1001;

    explicit TThreadFrameRaw(QObject *parent = nullptr);
    ~TThreadFrameRaw() override;

    void SetTimeoutTransfert(int ms) { TimeoutTransfert = ms; }
    void SetTimeoutErase(int ms) { TimeoutErase = ms; }
    void SetTimeoutWriteRepeat(int ms) { TimeoutWriteRepeat = ms; }
    int TIMEOUT_TRANSFERT() const { return TimeoutTransfert; }
    int TIMEOUT_ERASE() const { return TimeoutErase; }
    int TIMEOUT_WRITE_REPEAT() const { return TimeoutWriteRepeat; }

    static QString NoAnswerStatus() { return QStringLiteral("Transfer abandoned: no answer from the device."); }

protected:
    void RunState() override;
    void BeginTransfer() override { State = ssEnterMode; }
    void BeginAbort() override { State = ssAbandon; }
    void GoIdle() override { State = ssIdle; }
    bool IsIdle() const override { return State == ssIdle; }

private:
    enum TState {
        ssIdle = 0,
        ssEnterMode = 1,
        ssAwaitMode = 2,
        ssStartPass = 3,
        ssAwaitDestination = 4,
        ssAwaitGeometry = 5,
        ssAwaitAnimation = 6,
        ssAwaitBlock = 8,
        ssAwaitRepeat = 9,
        ssSendRed = 10,
        ssAwaitRed = 11,
        ssAwaitGreen = 12,
        ssAbandon = 13,
        ssEndPass = 15,
        ssEnd = 16,
        ssFinish = 17,
    };

    void Send(const QByteArray &line, TState next);
    // The reply of a waiting state. Without one in time the transfer is
    // abandoned; a refusal or a record other than expected makes the state
    // that sent last run again. Either way nothing is returned.
    std::optional<IntelHex::THexRecord> AwaitReply(int timeoutMs, bool otherRecordGoesBack = true);
    void PrepareTransfer();
    void StartPass();
    void ReadBlock();
    void SendNextBlocks();
    void OnEraseReply(const IntelHex::THexRecord &reply);

    std::atomic<TState> State{ssIdle};
    TState LastSender = ssIdle;
    TPictureBlock Block;
    TPictureBlock Previous;
    TransferRecords::TGeometry Geometry;
    std::atomic<int> TimeoutTransfert{DefaultTimeoutMs};
    std::atomic<int> TimeoutErase{DefaultTimeoutMs};
    std::atomic<int> TimeoutWriteRepeat{DefaultTimeoutMs};
};
