#include "transfer/ThreadFrameRaw.h"

#include "transfer/LogoFrameProcess.h"
#include "transfer/PictureLimits.h"
#include "transfer/TransferRecords.h"

using namespace IntelHex;
using namespace TransferRecords;

TThreadFrameRaw::TThreadFrameRaw(QObject *parent) : TThreadFrame(parent) {}

TThreadFrameRaw::~TThreadFrameRaw()
{
    Shutdown();
}

void TThreadFrameRaw::Send(const QByteArray &line, TState next)
{
    SendRecord(line);
    LastSender = State;
    Stamp = TClock::now();
    State = next;
}

std::optional<THexRecord> TThreadFrameRaw::AwaitReply(int timeoutMs, bool otherRecordGoesBack)
{
    THexRecord reply;
    switch (WaitForReply(reply, Stamp + std::chrono::milliseconds(timeoutMs))) {
    case wInterrupted:
        return std::nullopt;
    case wTimedOut:
        SetStatus(NoAnswerStatus());
        State = ssAbandon;
        return std::nullopt;
    case wReply:
        break;
    }
    if (reply.IsAccepted() || !otherRecordGoesBack)
        return reply;
    State = LastSender;
    return std::nullopt;
}

void TThreadFrameRaw::RunState()
{
    switch (State.load()) {
    case ssIdle:
        break;
    case ssEnterMode:
        RequestTransferMode();
        Stamp = TClock::now();
        State = ssAwaitMode;
        break;
    case ssAwaitMode:
        switch (WaitForTransferMode(Stamp + std::chrono::milliseconds(TimeoutTransfert.load()))) {
        case wInterrupted:
            break;
        case wTimedOut:
            SetStatus(NoAnswerStatus());
            State = ssAbandon;
            break;
        case wReply:
            SwitchToTransferSpeed();
            PrepareTransfer();
            State = ssStartPass;
            break;
        }
        break;
    case ssStartPass:
        StartPass();
        break;
    case ssAwaitDestination:
        if (AwaitReply(TimeoutTransfert))
            Send(GeometryRecord(Geometry), ssAwaitGeometry);
        break;
    case ssAwaitGeometry:
        if (AwaitReply(TimeoutTransfert))
            Send(AnimationRecord({FrameCountValue, uint16_t(FrameDelayValue)}), ssAwaitAnimation);
        break;
    case ssAwaitAnimation:
        if (AwaitReply(TimeoutTransfert)) {
            SetErasePercent(0);
            Previous = TPictureBlock();
            Send(CommandRecord(pmErase), ssAwaitBlock);
        }
        break;
    case ssAwaitBlock:
        if (const auto reply = AwaitReply(TimeoutErase, false))
            OnEraseReply(*reply);
        break;
    case ssAwaitRepeat:
        if (const auto reply = AwaitReply(TimeoutWriteRepeat, false); reply && reply->IsAccepted())
            State = Block.IsEmpty() ? ssEndPass : ssSendRed;
        break;
    case ssSendRed:
        Send(ChannelRecord(Block, ChannelCode::Red), ssAwaitRed);
        break;
    case ssAwaitRed:
        if (AwaitReply(TimeoutTransfert))
            Send(ChannelRecord(Block, ChannelCode::Green), ssAwaitGreen);
        break;
    case ssAwaitGreen:
        if (AwaitReply(TimeoutTransfert))
            Send(ChannelRecord(Block, ChannelCode::Blue), ssAwaitBlock);
        break;
    case ssAbandon:
        Settle();
        Send(AbandonRecord(), ssFinish);
        break;
    case ssEndPass:
        State = --PassesLeft > 0 ? ssStartPass : ssEnd;
        break;
    case ssEnd:
        Send(EndRecord(), ssFinish);
        break;
    case ssFinish:
        FinishTransfer(LastSender == ssEnd);
        State = ssIdle;
        break;
    }
}

void TThreadFrameRaw::PrepareTransfer()
{
    Interlaced = FlagsByte & Flags::Interlaced;
    PassesLeft = Interlaced ? 2 : 1;
    const QImage picture = Picture->BmpProcessed();
    const int frameHeight = int(PictureLimits::FrameHeightOf(picture.height(), FrameCountValue));
    Cursor = TPictureCursor(picture.width(), picture.height(), frameHeight, Interlaced);
    Geometry = {uint16_t(picture.width()), uint16_t(frameHeight)};
    PicturePixels = uint32_t(picture.width()) * uint32_t(picture.height());
}

void TThreadFrameRaw::StartPass()
{
    const bool firstOfTwo = Interlaced && PassesLeft == 2;
    const int pass = Interlaced && PassesLeft == 1 ? 1 : 0;
    Cursor.StartPass(pass);
    SecondPass = pass == 1;
    PixelsHandled = 0;
    RaiseWriteProgress();
    const uint8_t flags = uint8_t(FlagsByte | (firstOfTwo ? 0 : Flags::LastPass));
    Send(DestinationRecord({flags, DestinationNumber}), ssAwaitDestination);
}

void TThreadFrameRaw::ReadBlock()
{
    TLogoFrameProcess::TProcessedAccess access = Picture->LockProcessed();
    Block = ::ReadBlock(access.Picture(), Cursor);
    PixelsHandled += uint32_t(Block.Count);
}

void TThreadFrameRaw::OnEraseReply(const THexRecord &reply)
{
    if (reply.IsAccepted()) {
        // Every block's acknowledgement comes here; only the first ends the erase.
        if (EraseProgress() != 100)
            SetErasePercent(100);
        SendNextBlocks();
    } else if (reply.Type == rtEraseProgress && reply.Address == 1 && !reply.Data.isEmpty()) {
        SetErasePercent(100 - std::min(100, int(uint8_t(reply.Data[0]))));
        // The limit then runs from this stamp, so each report buys two.
        Stamp = TClock::now() + std::chrono::milliseconds(TimeoutErase.load());
    } else {
        State = LastSender;
    }
}

void TThreadFrameRaw::SendNextBlocks()
{
    ReadBlock();
    int repeats = 0;
    if (!Block.IsEmpty()) {
        while (Block == Previous && repeats < MaxRepeat) {
            ++repeats;
            ReadBlock();
        }
        Previous = Block;
    }
    RaiseWriteProgress();
    if (repeats > 0)
        Send(RepeatRecord(uint16_t(repeats)), ssAwaitRepeat);
    else
        State = Block.IsEmpty() ? ssEndPass : ssSendRed;
}
