#pragma once
#include "transfer/IntelHex.h"

#include <QRgb>
#include <array>

// Up to 32 consecutive pixels in transfer order: the unit that travels as
// three data records, one per colour channel.
struct TPictureBlock
{
    static constexpr int MaxPixels = 32;

    int Count = 0;
    std::array<QRgb, MaxPixels> Colors{};

    bool IsEmpty() const { return Count == 0; }
    bool operator==(const TPictureBlock &other) const;
    bool operator!=(const TPictureBlock &other) const { return !(*this == other); }
};

// Channel codes: the address of a data record.
namespace ChannelCode {
constexpr int Red = 1;
constexpr int Green = 2;
constexpr int Blue = 3;
constexpr int ChannelMask = 0x0F;
constexpr int RunLengthCoded = 16;
constexpr int BlockComplete = 32; // set on the last channel, blue
} // namespace ChannelCode

// The data record of one channel (Red, Green or Blue), run-length coded only
// where that is shorter than the raw bytes.
QByteArray ChannelRecord(const TPictureBlock &block, int channel);

// Gathers the channels of a block as the data records arrive.
class TBlockAssembler
{
public:
    // Takes one data record; true when it completed a block (its code carries
    // BlockComplete), which is then in Block(). A record of an unknown channel
    // is ignored.
    bool Add(const IntelHex::THexRecord &record);
    const TPictureBlock &Block() const { return Completed; }

private:
    std::array<QByteArray, 3> Channels;
    TPictureBlock Completed;
};
