#include "DeviceIdentity.h"

#include <array>

namespace {

struct TDeviceType
{
    uint16_t Code;
    const char *Model;
    const char *Product;
    int InputColumns;
};

constexpr std::array<TDeviceType, 1> KnownTypes{{{67, "RZ6070", "Morlix", 4}}};
constexpr TDeviceType UnknownType{0, "Unknown", "Unknown", 0};

const TDeviceType &TypeOf(uint16_t deviceType)
{
    const int position = DeviceIdentity::KnownPosition(deviceType);
    return position < 0 ? UnknownType : KnownTypes[size_t(position)];
}

} // namespace

namespace DeviceIdentity {

int KnownPosition(uint16_t deviceType)
{
    for (size_t i = 0; i < KnownTypes.size(); ++i)
        if (KnownTypes[i].Code == deviceType)
            return int(i);
    return -1;
}

bool IsKnown(uint16_t deviceType)
{
    return KnownPosition(deviceType) >= 0;
}

QString ModelCode(uint16_t deviceType)
{
    return QString::fromLatin1(TypeOf(deviceType).Model);
}

QString ProductName(uint16_t deviceType)
{
    return QString::fromLatin1(TypeOf(deviceType).Product);
}

int InputColumns(uint16_t deviceType)
{
    return TypeOf(deviceType).InputColumns;
}

} // namespace DeviceIdentity
