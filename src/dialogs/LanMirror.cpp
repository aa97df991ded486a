#include "LanMirror.h"

using namespace LanSettings;

bool TLanMirror::Report(TLanProperty property, uint16_t value)
{
    m_properties[property] = value;
    m_reported[property] = value;
    m_propertyReported[property] = true;
    const uint16_t slot = m_reported[LAN_PADIP];
    const bool slotExists = slot < SlotCount;
    switch (property) {
    case LAN_IP4:
    case LAN_IP3:
    case LAN_IP2:
    case LAN_IP1:
        if (slotExists) {
            m_addresses[slot][size_t(property - LAN_IP4)] = value;
            m_byteReported[slot][size_t(property - LAN_IP4)] = true;
        }
        return true;
    case LAN_IPPORT:
        if (slot < m_ports.size()) {
            m_ports[slot] = value;
            m_portReported[slot] = true;
        }
        return true;
    case LAN_NETMASK:
    case LAN_TCPIP:
    case LAN_ENABLE:
        return true;
    default:
        return false;
    }
}

TMode TLanMirror::Mode() const
{
    if (m_reported[LAN_ENABLE] != 1)
        return TMode::Rs232;
    return m_reported[LAN_TCPIP] != 0 ? TMode::Tcp : TMode::Udp;
}

bool TLanMirror::Reported(TField field) const
{
    auto allBytes = [this](TSlot slot) {
        const std::array<bool, 4> &bytes = m_byteReported[slot];
        return bytes[0] && bytes[1] && bytes[2] && bytes[3];
    };
    switch (field) {
    case DeviceAddressField: return allBytes(DeviceSlot);
    case RemoteAddressField: return allBytes(RemoteSlot);
    case GatewayField: return allBytes(GatewaySlot);
    case DevicePortField: return m_portReported[DeviceSlot];
    case RemotePortField: return m_portReported[RemoteSlot];
    case NetmaskField: return m_propertyReported[LAN_NETMASK];
    case ModeField: return m_propertyReported[LAN_ENABLE] && m_propertyReported[LAN_TCPIP];
    default: return false;
    }
}

std::optional<TField> TLanMirror::FirstUnknown(TMode mode, const std::array<bool, FieldCount> &edited) const
{
    // Disabling the port writes nothing the device has to have reported.
    if (mode == TMode::Rs232)
        return std::nullopt;
    for (int f = 0; f < FieldCount; ++f) {
        const auto field = TField(f);
        if (!edited[field] && !Reported(field))
            return field;
    }
    return std::nullopt;
}
