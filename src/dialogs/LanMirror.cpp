#include "LanMirror.h"

using namespace LanSettings;

bool TLanMirror::Report(TLanProperty property, uint16_t value)
{
    m_properties[property] = value;
    m_reported[property] = value;
    const uint16_t slot = m_reported[LAN_PADIP];
    const bool slotExists = slot < SlotCount;
    switch (property) {
    case LAN_IP4:
    case LAN_IP3:
    case LAN_IP2:
    case LAN_IP1:
        if (slotExists)
            m_addresses[slot][size_t(property - LAN_IP4)] = value;
        return true;
    case LAN_IPPORT:
        if (slot < m_ports.size())
            m_ports[slot] = value;
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
