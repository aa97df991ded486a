#include "transfer/PictureBlock.h"

#include "transfer/RunLength.h"

#include <algorithm>

namespace {

int ChannelShift(int channel)
{
    switch (channel) {
    case ChannelCode::Red:
        return 16;
    case ChannelCode::Green:
        return 8;
    default:
        return 0;
    }
}

} // namespace

bool TPictureBlock::operator==(const TPictureBlock &other) const
{
    return Count == other.Count && std::equal(Colors.begin(), Colors.begin() + Count, other.Colors.begin());
}

QByteArray ChannelRecord(const TPictureBlock &block, int channel)
{
    const int shift = ChannelShift(channel);
    QByteArray raw(block.Count, Qt::Uninitialized);
    for (int i = 0; i < block.Count; ++i)
        raw[i] = char((block.Colors[i] >> shift) & 0xFF);
    const QByteArray coded = RunLength::Encode(raw);
    const bool useCoded = coded.size() < raw.size();
    int code = channel;
    if (useCoded)
        code |= ChannelCode::RunLengthCoded;
    if (channel == ChannelCode::Blue)
        code |= ChannelCode::BlockComplete;
    return IntelHex::Encode(IntelHex::rtData, uint16_t(code), useCoded ? coded : raw);
}

bool TBlockAssembler::Add(const IntelHex::THexRecord &record)
{
    const int channel = record.Address & ChannelCode::ChannelMask;
    if (channel < ChannelCode::Red || channel > ChannelCode::Blue)
        return false;
    QByteArray &bytes = Channels[size_t(channel - 1)];
    bytes = (record.Address & ChannelCode::RunLengthCoded)
                ? RunLength::Decode(record.Data, TPictureBlock::MaxPixels)
                : record.Data.left(TPictureBlock::MaxPixels);
    if (!(record.Address & ChannelCode::BlockComplete))
        return false;

    // A channel that came short leaves the rest of the block unwritten
    // rather than filled with another block's colours.
    Completed.Count = int(std::min({Channels[0].size(), Channels[1].size(), Channels[2].size()}));
    for (int i = 0; i < Completed.Count; ++i)
        Completed.Colors[size_t(i)] = qRgb(uint8_t(Channels[0][i]), uint8_t(Channels[1][i]), uint8_t(Channels[2][i]));
    for (QByteArray &channelBytes : Channels)
        channelBytes.clear();
    return true;
}
