#pragma once
#include "transfer/IntelHex.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

// The parameter records (type 02) and the flags byte of a transfer.
namespace TransferRecords {

// Address of a parameter record.
enum TParameter : uint16_t {
    pmDestination = 1, // flags byte, destination number
    pmGeometry = 2,    // width, frame height (16 bits each, high byte first)
    pmErase = 3,
    pmSendStored = 4,
    pmAnimation = 5,   // frame count, frame delay in ms (16 bits)
};

namespace Flags {
constexpr uint8_t KindMask = 0x03;
constexpr uint8_t LumaKey = 16;
constexpr uint8_t Interlaced = 32;
constexpr uint8_t LastPass = 64;
} // namespace Flags

struct TGeometry
{
    uint16_t Width = 0;
    uint16_t FrameHeight = 0;
    bool IsEmpty() const { return Width == 0 && FrameHeight == 0; }
};

struct TAnimation
{
    uint8_t FrameCount = 1;
    uint16_t DelayMs = 0;
};

// The animation record's delay for a GIF delay in hundredths of a second:
// ten times it, held to what the record's two bytes can carry.
constexpr uint16_t AnimationDelayMs(int delayCs)
{
    return delayCs <= 0 ? 0 : int64_t(delayCs) * 10 >= 65535 ? 65535 : uint16_t(delayCs * 10);
}

struct TDestination
{
    uint8_t Flags = 0;
    uint8_t Number = 0;
};

QByteArray DestinationRecord(const TDestination &destination);
QByteArray GeometryRecord(const TGeometry &geometry);
QByteArray AnimationRecord(const TAnimation &animation);
QByteArray CommandRecord(TParameter command); // erase, send stored
QByteArray RepeatRecord(uint16_t count);
QByteArray EndRecord();
QByteArray AbandonRecord();
QByteArray EraseProgressRecord(uint8_t remainingPercent);

bool IsParameter(const IntelHex::THexRecord &record, TParameter parameter);
// The contents of a parameter record, when it is the one named and long enough.
std::optional<TDestination> DestinationOf(const IntelHex::THexRecord &record);
std::optional<TGeometry> GeometryOf(const IntelHex::THexRecord &record);
std::optional<TAnimation> AnimationOf(const IntelHex::THexRecord &record);

} // namespace TransferRecords
