#pragma once
#include "transfer/PictureBlock.h"
#include "transfer/ThreadFrame.h"
#include "transfer/TransferRecords.h"

// Reads a stored picture back from one of the device's memories into the
// picture: it asks for the destination, then answers each record the device
// sends (destination, geometry, animation, the picture's data records) until
// the end record. It waits for the device without a limit; only the
// operator's abort ends such a wait.
class TThreadFrameReceive : public TThreadFrame
{
public:
    explicit TThreadFrameReceive(QObject *parent = nullptr);
    ~TThreadFrameReceive() override;

    static QString NothingStoredStatus() { return QStringLiteral("No Logo or Frame Stored"); }

protected:
    void RunState() override;
    void BeginTransfer() override { State = rsEnterMode; }
    void BeginAbort() override { State = rsAbandon; }
    void GoIdle() override { State = rsIdle; }
    bool IsIdle() const override { return State == rsIdle; }

private:
    enum TState {
        rsIdle = 0,
        rsEnterMode = 1,
        rsAwaitMode = 2,
        rsSendDestination = 3,
        rsAwaitDestination = 4,
        rsAwaitHeader = 5,
        rsAwaitGeometry = 6,
        rsAwaitAnimation = 7,
        rsData = 8,
        rsAbandon = 9,
        rsFinish = 10,
    };

    void Reply(bool accepted, TState next);
    void OnGeometry(const TransferRecords::TGeometry &geometry);
    void OnAnimation(const TransferRecords::TAnimation &animation);
    // The picture becomes black of that size; false, with the device refused
    // and the transfer ending, when no memory could hold it.
    bool ReplaceWithBlankPicture(int width, int height);
    void OnData(const IntelHex::THexRecord &record);
    void Finish(bool succeeded);

    std::atomic<TState> State{rsIdle};
    TransferRecords::TGeometry Geometry;
    TBlockAssembler Assembler;
};
