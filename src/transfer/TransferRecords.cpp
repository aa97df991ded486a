#include "transfer/TransferRecords.h"

namespace TransferRecords {

using namespace IntelHex;

namespace {

void AppendWord(QByteArray &bytes, uint16_t value)
{
    bytes.append(char(value >> 8));
    bytes.append(char(value & 0xFF));
}

uint16_t WordAt(const QByteArray &bytes, int at)
{
    return uint16_t(uint8_t(bytes[at]) << 8 | uint8_t(bytes[at + 1]));
}

const QByteArray *ParameterData(const THexRecord &record, TParameter parameter, int minimumLength)
{
    if (!IsParameter(record, parameter) || record.Data.size() < minimumLength)
        return nullptr;
    return &record.Data;
}

} // namespace

QByteArray DestinationRecord(const TDestination &destination)
{
    QByteArray data;
    data.append(char(destination.Flags));
    data.append(char(destination.Number));
    return Encode(rtParameter, pmDestination, data);
}

QByteArray GeometryRecord(const TGeometry &geometry)
{
    QByteArray data;
    AppendWord(data, geometry.Width);
    AppendWord(data, geometry.FrameHeight);
    return Encode(rtParameter, pmGeometry, data);
}

QByteArray AnimationRecord(const TAnimation &animation)
{
    QByteArray data;
    data.append(char(animation.FrameCount));
    AppendWord(data, animation.DelayMs);
    return Encode(rtParameter, pmAnimation, data);
}

QByteArray CommandRecord(TParameter command)
{
    return Encode(rtParameter, command);
}

QByteArray RepeatRecord(uint16_t count)
{
    return Encode(rtRepeat, count);
}

QByteArray EndRecord()
{
    return Encode(rtEnd, 0);
}

QByteArray AbandonRecord()
{
    return Encode(rtAbandon, 0);
}

QByteArray EraseProgressRecord(uint8_t remainingPercent)
{
    return Encode(rtEraseProgress, 1, QByteArray(1, char(remainingPercent)));
}

bool IsParameter(const THexRecord &record, TParameter parameter)
{
    return record.Type == rtParameter && record.Address == parameter;
}

std::optional<TDestination> DestinationOf(const THexRecord &record)
{
    const QByteArray *data = ParameterData(record, pmDestination, 2);
    if (!data)
        return std::nullopt;
    return TDestination{uint8_t((*data)[0]), uint8_t((*data)[1])};
}

std::optional<TGeometry> GeometryOf(const THexRecord &record)
{
    const QByteArray *data = ParameterData(record, pmGeometry, 4);
    if (!data)
        return std::nullopt;
    return TGeometry{WordAt(*data, 0), WordAt(*data, 2)};
}

std::optional<TAnimation> AnimationOf(const THexRecord &record)
{
    const QByteArray *data = ParameterData(record, pmAnimation, 3);
    if (!data)
        return std::nullopt;
    return TAnimation{uint8_t((*data)[0]), WordAt(*data, 1)};
}

} // namespace TransferRecords
