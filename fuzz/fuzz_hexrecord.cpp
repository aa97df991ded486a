// Arbitrary bytes as a receive buffer of a picture transfer: every reply the
// buffer yields goes where the receiver sends it (parameter records, data
// records into the block assembler). A parsed record must come back the same
// through the encoder, and a buffer must shrink each time it yields something.
#include "transfer/IntelHex.h"
#include "transfer/PictureBlock.h"
#include "transfer/TransferRecords.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void CheckRoundTrip(const IntelHex::THexRecord &record)
{
    if (record.Data.size() > 255)
        std::abort();
    const QByteArray line = IntelHex::Encode(record);
    const std::optional<IntelHex::THexRecord> again = IntelHex::Parse(line.mid(1).chopped(2));
    if (!again || !(*again == record))
        std::abort();
}

uint32_t Route(const IntelHex::THexRecord &record, TBlockAssembler &assembler)
{
    uint32_t sink = 0;
    switch (record.Type) {
    case IntelHex::rtData:
        if (assembler.Add(record)) {
            const TPictureBlock &block = assembler.Block();
            if (block.Count < 0 || block.Count > TPictureBlock::MaxPixels)
                std::abort();
            for (int i = 0; i < block.Count; ++i)
                sink += block.Colors[size_t(i)];
        }
        break;
    case IntelHex::rtParameter:
        if (const auto destination = TransferRecords::DestinationOf(record))
            sink += destination->Flags + destination->Number;
        if (const auto geometry = TransferRecords::GeometryOf(record))
            sink += geometry->Width + geometry->FrameHeight;
        if (const auto animation = TransferRecords::AnimationOf(record))
            sink += animation->FrameCount + animation->DelayMs;
        break;
    default:
        break;
    }
    return sink;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    uint32_t sink = 0;

    // The digits alone, as the parser sees them after the ":".
    if (const auto record = IntelHex::Parse(bytes)) {
        CheckRoundTrip(*record);
        sink += record->Type;
    }

    // The same bytes arriving as one buffer, emptied reply by reply.
    TBlockAssembler assembler;
    QByteArray buffer = bytes;
    for (;;) {
        const qsizetype before = buffer.size();
        IntelHex::THexRecord reply;
        const IntelHex::TFound found = IntelHex::TakeReply(buffer, reply);
        if (found == IntelHex::fNothing)
            break;
        if (buffer.size() >= before)
            std::abort();
        if (found == IntelHex::fReply) {
            CheckRoundTrip(reply);
            sink += Route(reply, assembler);
        }
    }
    return int(sink & 0);
}
