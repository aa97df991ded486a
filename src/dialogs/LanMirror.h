#pragma once
#include "LanSettings.h"

#include <array>
#include <optional>

// The LAN dialog's copy of the device's LAN variables. The four address bytes
// and the port are arrays behind one selector (LAN_PADIP), so each byte or
// port the device reports is also filed in the slot the selector named last.
// What is shown comes from reports only: a value "Apply" writes becomes the
// property its event sends, and is shown once the device reports it back.
class TLanMirror
{
public:
    using TLanProperty = LanSettings::TLanProperty;

    uint16_t Property(TLanProperty property) const { return m_properties[property]; }
    // A value the device reported. Returns whether the display shows it.
    bool Report(TLanProperty property, uint16_t value);
    // A value "Apply" writes: the property, shown nowhere.
    void Set(TLanProperty property, uint16_t value) { m_properties[property] = value; }

    // RS-232 while the port is not enabled, otherwise TCP or UDP.
    LanSettings::TMode Mode() const;
    uint16_t Netmask() const { return m_reported[LanSettings::LAN_NETMASK]; }
    const LanSettings::TAddress &Address(LanSettings::TSlot slot) const { return m_addresses[slot]; }
    uint16_t DevicePort() const { return m_ports[LanSettings::DeviceSlot]; }
    uint16_t RemotePort() const { return m_ports[LanSettings::RemoteSlot]; }

    // Whether everything a field shows came from the device (all four bytes
    // of an address, both variables of the mode).
    bool Reported(LanSettings::TField field) const;
    // The first field "Apply" in this mode would write although the device
    // never reported it and the operator did not type it.
    std::optional<LanSettings::TField> FirstUnknown(LanSettings::TMode mode,
                                                   const std::array<bool, LanSettings::FieldCount> &edited) const;

private:
    std::array<uint16_t, LanSettings::LanPropertyCount> m_properties{};
    std::array<uint16_t, LanSettings::LanPropertyCount> m_reported{};
    std::array<LanSettings::TAddress, LanSettings::SlotCount> m_addresses{};
    // The gateway has no port.
    std::array<uint16_t, 2> m_ports{};
    std::array<bool, LanSettings::LanPropertyCount> m_propertyReported{};
    std::array<std::array<bool, 4>, LanSettings::SlotCount> m_byteReported{};
    std::array<bool, 2> m_portReported{};
};
