#pragma once
#include <QString>
#include <QVector>
#include <array>
#include <cstdint>
#include <optional>

// The device's own network settings as the LAN dialog edits them, without any
// widget: the dialog's properties and the variables behind them, the texts of
// addresses and netmasks, the check of what the operator typed, and the order
// in which "Apply" writes it all.
namespace LanSettings {

// One property per LAN variable of the device.
enum TLanProperty {
    LAN_TCPIP,
    LAN_ENABLE,
    LAN_RESET,
    LAN_STORE,
    LAN_PADIP,
    LAN_IP4,
    LAN_IP3,
    LAN_IP2,
    LAN_IP1,
    LAN_IPPORT,
    LAN_NETMASK,
    LanPropertyCount
};

// The variable a property is written to.
int WrittenVariable(TLanProperty property);
// The property a reported variable is copied into: the address selector is
// reported through its status copy, and the selector itself copies nowhere.
std::optional<TLanProperty> MirroredProperty(int varNumber);

enum class TMode { Rs232 = 1, Udp = 2, Tcp = 3 };

// The three address slots the selector LAN_PADIP chooses between.
enum TSlot { DeviceSlot = 0, RemoteSlot = 1, GatewaySlot = 2, SlotCount = 3 };

// What the operator sees and edits: the rows top down, then the mode.
enum TField {
    DeviceAddressField,
    DevicePortField,
    RemoteAddressField,
    RemotePortField,
    GatewayField,
    NetmaskField,
    ModeField,
    FieldCount
};

// "Device Address", ... "NetMask", "Connection Mode".
QString FieldName(TField field);

// Four bytes, the most significant (LANIP4) first.
using TAddress = std::array<uint16_t, 4>;

constexpr uint32_t MaxAddressPart = 255;
constexpr uint32_t MaxPort = 65500;
constexpr int MaxNetmask = 24;

// "192.168.0.10".
QString AddressText(const TAddress &address);
// The mask of a number of host bits: 8 gives "255.255.255.0".
QString NetmaskText(int hostBits);
// Exactly four parts of digits only, each 0 to 255.
std::optional<TAddress> ParseAddress(const QString &text);
// Digits only, 0 to 65500.
std::optional<uint16_t> ParsePort(const QString &text);

// What the dialog's edits hold when "Apply" is pressed.
struct TEntries
{
    TMode Mode = TMode::Rs232;
    QString DeviceAddress;
    QString DevicePort;
    QString RemoteAddress;
    QString RemotePort;
    QString Gateway;
    int Netmask = 0;
};

struct TSettings
{
    TMode Mode = TMode::Rs232;
    std::array<TAddress, SlotCount> Addresses{};
    uint16_t DevicePort = 0;
    uint16_t RemotePort = 0;
    uint16_t Netmask = 0;
};

// Checks every entry the mode writes (none for RS-232). The first that fails
// gives its field, a message naming it, and no settings.
std::optional<TSettings> Validate(const TEntries &entries, QString *error, TField *failed = nullptr);

struct TStep
{
    TLanProperty Property;
    uint16_t Value;
    bool operator==(const TStep &other) const { return Property == other.Property && Value == other.Value; }
};

// The steps of "Apply", each one write: RS-232 only disables the port;
// otherwise the protocol, the three addresses, the two ports, the netmask,
// then store and enable.
QVector<TStep> WriteSequence(const TSettings &settings);

} // namespace LanSettings
