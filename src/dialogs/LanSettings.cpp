#include "LanSettings.h"

#include "variables/VariableTable.h"


namespace LanSettings {

namespace {

struct TPropertyRow
{
    TLanProperty Property;
    int Written;
    int Mirrored;
};

constexpr TPropertyRow PropertyRows[LanPropertyCount] = {
    {LAN_TCPIP, LANPROTOCOL, LANPROTOCOL}, {LAN_ENABLE, LANENABLE, LANENABLE},
    {LAN_RESET, LANRESET, LANRESET},       {LAN_STORE, LANSTORE, LANSTORE},
    {LAN_PADIP, LANPADIP, LANPADIPSTATUS}, {LAN_IP4, LANIP4, LANIP4},
    {LAN_IP3, LANIP3, LANIP3},             {LAN_IP2, LANIP2, LANIP2},
    {LAN_IP1, LANIP1, LANIP1},             {LAN_IPPORT, LANIPPORT, LANIPPORT},
    {LAN_NETMASK, LANNETMASK, LANNETMASK},
};

// A number made of ASCII digits only, no sign, no blanks, at most max.
// Long runs of leading zeros are fine; the value never overflows.
std::optional<uint32_t> Digits(QStringView text, uint32_t max)
{
    if (text.isEmpty())
        return std::nullopt;
    uint32_t value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + uint32_t(c.unicode() - '0');
        if (value > max)
            return std::nullopt;
    }
    return value;
}

QString AddressMessage(const QString &field)
{
    return QStringLiteral("%1 must be four numbers from 0 to %2 separated by dots, for example 192.168.0.10.")
        .arg(field)
        .arg(MaxAddressPart);
}

QString PortMessage(const QString &field)
{
    return QStringLiteral("%1 must be a whole number from 0 to %2.").arg(field).arg(MaxPort);
}

} // namespace

QString FieldName(TField field)
{
    static const char *const names[FieldCount] = {"Device Address", "Device Port", "Remote Address", "Remote Port",
                                                  "Gateway",        "NetMask",     "Connection Mode"};
    return QString::fromLatin1(names[field]);
}

int WrittenVariable(TLanProperty property)
{
    return PropertyRows[property].Written;
}

std::optional<TLanProperty> MirroredProperty(int varNumber)
{
    for (const TPropertyRow &row : PropertyRows)
        if (row.Mirrored == varNumber)
            return row.Property;
    return std::nullopt;
}

QString AddressText(const TAddress &address)
{
    return QStringLiteral("%1.%2.%3.%4").arg(address[0]).arg(address[1]).arg(address[2]).arg(address[3]);
}

QString NetmaskText(int hostBits)
{
    const uint32_t mask = hostBits <= 0 ? 0xFFFFFFFFu : hostBits >= 32 ? 0u : 0xFFFFFFFFu << hostBits;
    return AddressText({uint16_t(mask >> 24), uint16_t((mask >> 16) & 0xFF), uint16_t((mask >> 8) & 0xFF),
                        uint16_t(mask & 0xFF)});
}

std::optional<TAddress> ParseAddress(const QString &text)
{
    const QList<QStringView> parts = QStringView(text).trimmed().split(QLatin1Char('.'));
    if (parts.size() != 4)
        return std::nullopt;
    TAddress address{};
    for (int i = 0; i < 4; ++i) {
        const std::optional<uint32_t> part = Digits(parts[i], MaxAddressPart);
        if (!part)
            return std::nullopt;
        address[size_t(i)] = uint16_t(*part);
    }
    return address;
}

std::optional<uint16_t> ParsePort(const QString &text)
{
    const std::optional<uint32_t> port = Digits(QStringView(text).trimmed(), MaxPort);
    if (!port)
        return std::nullopt;
    return uint16_t(*port);
}

std::optional<TSettings> Validate(const TEntries &entries, QString *error, TField *failed)
{
    TSettings settings;
    settings.Mode = entries.Mode;
    if (entries.Mode == TMode::Rs232)
        return settings;

    const std::optional<TAddress> device = ParseAddress(entries.DeviceAddress);
    const std::optional<uint16_t> devicePort = ParsePort(entries.DevicePort);
    const std::optional<TAddress> remote = ParseAddress(entries.RemoteAddress);
    const std::optional<uint16_t> remotePort = ParsePort(entries.RemotePort);
    const std::optional<TAddress> gateway = ParseAddress(entries.Gateway);
    const bool netmask = entries.Netmask >= 0 && entries.Netmask <= MaxNetmask;
    // In the order of the rows, so the message is about the topmost wrong field.
    const bool valid[] = {bool(device), bool(devicePort), bool(remote), bool(remotePort), bool(gateway), netmask};
    for (int f = DeviceAddressField; f <= NetmaskField; ++f) {
        if (valid[f])
            continue;
        const auto field = TField(f);
        if (failed)
            *failed = field;
        if (error) {
            const QString name = FieldName(field);
            switch (field) {
            case DevicePortField:
            case RemotePortField: *error = PortMessage(name); break;
            case NetmaskField:
                *error = QStringLiteral("%1 must be from 0 to %2 host bits.").arg(name).arg(MaxNetmask);
                break;
            default: *error = AddressMessage(name); break;
            }
        }
        return std::nullopt;
    }

    settings.Addresses = {*device, *remote, *gateway};
    settings.DevicePort = *devicePort;
    settings.RemotePort = *remotePort;
    settings.Netmask = uint16_t(entries.Netmask);
    return settings;
}

QVector<TStep> WriteSequence(const TSettings &settings)
{
    if (settings.Mode == TMode::Rs232)
        return {{LAN_ENABLE, 0}};
    QVector<TStep> steps;
    steps.append({LAN_TCPIP, uint16_t(settings.Mode == TMode::Tcp ? 1 : 0)});
    for (int slot = DeviceSlot; slot < SlotCount; ++slot) {
        const TAddress &address = settings.Addresses[size_t(slot)];
        steps.append({LAN_PADIP, uint16_t(slot)});
        steps.append({LAN_IP4, address[0]});
        steps.append({LAN_IP3, address[1]});
        steps.append({LAN_IP2, address[2]});
        steps.append({LAN_IP1, address[3]});
    }
    steps.append({LAN_PADIP, uint16_t(DeviceSlot)});
    steps.append({LAN_IPPORT, settings.DevicePort});
    steps.append({LAN_PADIP, uint16_t(RemoteSlot)});
    steps.append({LAN_IPPORT, settings.RemotePort});
    steps.append({LAN_NETMASK, settings.Netmask});
    steps.append({LAN_STORE, 1});
    steps.append({LAN_ENABLE, 1});
    return steps;
}

} // namespace LanSettings
