#include "transfer/ThreadFrameReceive.h"

#include "transfer/LogoFrameProcess.h"
#include "transfer/PictureLimits.h"
#include "transfer/TransferRecords.h"

using namespace IntelHex;
using namespace TransferRecords;

TThreadFrameReceive::TThreadFrameReceive(QObject *parent) : TThreadFrame(parent) {}

TThreadFrameReceive::~TThreadFrameReceive()
{
    Shutdown();
}

void TThreadFrameReceive::Reply(bool accepted, TState next)
{
    SendRecord(ShortReply(accepted));
    State = next;
}

void TThreadFrameReceive::RunState()
{
    THexRecord record;
    switch (State.load()) {
    case rsIdle:
        break;
    case rsEnterMode:
        RequestTransferMode();
        State = rsAwaitMode;
        break;
    case rsAwaitMode:
        if (WaitForTransferMode(std::nullopt) == wReply) {
            SwitchToTransferSpeed();
            State = rsSendDestination;
        }
        break;
    case rsSendDestination:
        SendRecord(DestinationRecord({FlagsByte, DestinationNumber}));
        State = rsAwaitDestination;
        break;
    case rsAwaitDestination:
        if (WaitForReply(record, std::nullopt) == wReply && record.IsAccepted()) {
            SetErasePercent(0);
            SendRecord(CommandRecord(pmSendStored));
            State = rsAwaitHeader;
        }
        break;
    case rsAwaitHeader:
        if (WaitForReply(record, std::nullopt) != wReply)
            break;
        if (const auto destination = DestinationOf(record)) {
            Interlaced = destination->Flags & Flags::Interlaced;
            Reply(true, rsAwaitGeometry);
        }
        break;
    case rsAwaitGeometry:
        if (WaitForReply(record, std::nullopt) != wReply)
            break;
        if (const auto geometry = GeometryOf(record))
            OnGeometry(*geometry);
        break;
    case rsAwaitAnimation:
        if (WaitForReply(record, std::nullopt) != wReply)
            break;
        if (const auto animation = AnimationOf(record))
            OnAnimation(*animation);
        else
            Reply(false, rsFinish);
        break;
    case rsData:
        if (WaitForReply(record, std::nullopt) == wReply)
            OnData(record);
        break;
    case rsAbandon:
        SendRecord(ShortReply(false));
        Settle();
        SetStatus(AbortedStatus());
        State = rsFinish;
        break;
    case rsFinish:
        Finish(false);
        break;
    }
}

void TThreadFrameReceive::OnGeometry(const TGeometry &geometry)
{
    if (geometry.IsEmpty()) {
        SetStatus(NothingStoredStatus());
        Reply(false, rsFinish);
        return;
    }
    if (!ReplaceWithBlankPicture(geometry.Width, geometry.FrameHeight))
        return;
    Geometry = geometry;
    Reply(true, rsAwaitAnimation);
}

void TThreadFrameReceive::OnAnimation(const TAnimation &animation)
{
    FrameCountValue = animation.FrameCount;
    FrameDelayValue = animation.DelayMs;
    const int frames = std::max<int>(1, animation.FrameCount);
    const int height = Geometry.FrameHeight * frames;
    if (!ReplaceWithBlankPicture(Geometry.Width, height))
        return;
    Cursor = TPictureCursor(Geometry.Width, height, Geometry.FrameHeight, Interlaced);
    Cursor.StartPass(0);
    PicturePixels = uint32_t(Geometry.Width) * uint32_t(height);
    PixelsHandled = 0;
    SecondPass = false;
    Assembler = TBlockAssembler();
    Reply(true, rsData);
}

bool TThreadFrameReceive::ReplaceWithBlankPicture(int width, int height)
{
    // A size no memory of the device can hold is not allocated.
    if (PictureLimits::ExceedsLargestDestination(width, height)) {
        SetStatus(FailureStatus());
        Reply(false, rsFinish);
        return false;
    }
    TLogoFrameProcess::TProcessedAccess access = Picture->LockProcessed();
    access.Picture() = QImage(width, height, QImage::Format_RGB888);
    access.Picture().fill(Qt::black);
    return true;
}

void TThreadFrameReceive::OnData(const THexRecord &record)
{
    switch (record.Type) {
    case rtData:
        if (Assembler.Add(record)) {
            TLogoFrameProcess::TProcessedAccess access = Picture->LockProcessed();
            PixelsHandled += uint32_t(WriteBlock(access.Picture(), Cursor, Assembler.Block()));
        }
        if (record.Address & ChannelCode::BlockComplete)
            RaiseWriteProgress();
        Reply(true, rsData);
        break;
    case rtParameter:
        if (record.Address == pmGeometry) {
            Cursor.StartPass(Interlaced ? 1 : 0);
            SecondPass = Interlaced;
            PixelsHandled = 0;
            RaiseWriteProgress();
        }
        Reply(true, rsData);
        break;
    case rtEnd:
        Finish(true);
        break;
    default:
        break;
    }
}

void TThreadFrameReceive::Finish(bool succeeded)
{
    FinishTransfer(succeeded);
    State = rsIdle;
}
