#include "TestRegistry.h"
#include "dialogs/LanMirror.h"
#include "dialogs/LanSettings.h"
#include "variables/VariableTable.h"

#include <QtTest>

using namespace LanSettings;

Q_DECLARE_METATYPE(LanSettings::TAddress)

namespace {

TEntries ValidUdpEntries()
{
    TEntries entries;
    entries.Mode = TMode::Udp;
    entries.DeviceAddress = QStringLiteral("192.168.0.10");
    entries.DevicePort = QStringLiteral("10500");
    entries.RemoteAddress = QStringLiteral("192.168.0.20");
    entries.RemotePort = QStringLiteral("10501");
    entries.Gateway = QStringLiteral("192.168.0.1");
    entries.Netmask = 8;
    return entries;
}

} // namespace

// The LAN dialog's rules without its widgets: texts, checks, the order of
// the writes and the filing of reports in the address slots.
class LanSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void netmaskText_data()
    {
        QTest::addColumn<int>("hostBits");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "255.255.255.255";
        QTest::newRow("8") << 8 << "255.255.255.0";
        QTest::newRow("13") << 13 << "255.255.224.0";
        QTest::newRow("16") << 16 << "255.255.0.0";
        QTest::newRow("24") << 24 << "255.0.0.0";
    }
    void netmaskText()
    {
        QFETCH(int, hostBits);
        QFETCH(QString, text);
        QCOMPARE(NetmaskText(hostBits), text);
    }

    void parseAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<TAddress>("address");
        QTest::newRow("plain") << "192.168.0.10" << true << TAddress{192, 168, 0, 10};
        QTest::newRow("blanks around") << " 10.0.0.1 " << true << TAddress{10, 0, 0, 1};
        QTest::newRow("leading zeros") << "010.000.0000000000000.255" << true << TAddress{10, 0, 0, 255};
        QTest::newRow("three parts") << "192.168.0" << false << TAddress{};
        QTest::newRow("five parts") << "1.2.3.4.5" << false << TAddress{};
        QTest::newRow("256") << "192.168.0.256" << false << TAddress{};
        QTest::newRow("fits 16 bits, not a byte") << "192.168.0.65535" << false << TAddress{};
        QTest::newRow("letter") << "x" << false << TAddress{};
        QTest::newRow("empty part") << "192..0.1" << false << TAddress{};
        QTest::newRow("sign") << "192.168.0.+1" << false << TAddress{};
        QTest::newRow("negative") << "192.168.0.-1" << false << TAddress{};
        QTest::newRow("inner blank") << "192.168. 0.1" << false << TAddress{};
        QTest::newRow("other digits") << QString::fromUtf8("192.168.0.\u0661") << false << TAddress{};
        QTest::newRow("huge") << "192.168.0.99999999999999999999" << false << TAddress{};
        QTest::newRow("empty") << "" << false << TAddress{};
    }
    void parseAddress()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(TAddress, address);
        const std::optional<TAddress> parsed = ParseAddress(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, address);
    }

    void parsePort_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port");
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("top") << "65500" << 65500;
        QTest::newRow("above the device's range") << "65501" << -1;
        QTest::newRow("above 16 bits") << "70000" << -1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("letters") << "10a" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void parsePort()
    {
        QFETCH(QString, text);
        QFETCH(int, port);
        const std::optional<uint16_t> parsed = ParsePort(text);
        QCOMPARE(parsed ? int(*parsed) : -1, port);
    }

    void validationNamesTheFirstFieldThatFails_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("device address") << 0 << "192.168.0" << "Device Address";
        QTest::newRow("device port") << 1 << "-1" << "Device Port";
        QTest::newRow("remote address") << 2 << "256.1.1.1" << "Remote Address";
        QTest::newRow("remote port") << 3 << "65501" << "Remote Port";
        QTest::newRow("gateway") << 4 << "x" << "Gateway";
    }
    void validationNamesTheFirstFieldThatFails()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, named);
        for (TMode mode : {TMode::Udp, TMode::Tcp}) {
            TEntries entries = ValidUdpEntries();
            entries.Mode = mode;
            QString *fields[] = {&entries.DeviceAddress, &entries.DevicePort, &entries.RemoteAddress,
                                 &entries.RemotePort, &entries.Gateway};
            *fields[field] = text;
            // A later field wrong as well does not hide the first one.
            entries.Gateway = field == 4 ? text : QStringLiteral("bad");
            QString error;
            TField failed = NetmaskField;
            QVERIFY(!Validate(entries, &error, &failed));
            QCOMPARE(int(failed), field);
            QVERIFY2(error.startsWith(named + " must be"), qPrintable(error));
        }
    }

    void rs232NeedsNoEntries()
    {
        TEntries entries;
        entries.Mode = TMode::Rs232;
        entries.DeviceAddress = QStringLiteral("garbage");
        QString error;
        const std::optional<TSettings> settings = Validate(entries, &error);
        QVERIFY(settings);
        QCOMPARE(WriteSequence(*settings), (QVector<TStep>{{LAN_ENABLE, 0}}));
    }

    void writeSequenceOrder()
    {
        TEntries entries = ValidUdpEntries();
        entries.Mode = TMode::Tcp;
        const std::optional<TSettings> settings = Validate(entries, nullptr);
        QVERIFY(settings);
        const QVector<TStep> expected{
            {LAN_TCPIP, 1},    {LAN_PADIP, 0},   {LAN_IP4, 192},    {LAN_IP3, 168}, {LAN_IP2, 0},
            {LAN_IP1, 10},     {LAN_PADIP, 1},   {LAN_IP4, 192},    {LAN_IP3, 168}, {LAN_IP2, 0},
            {LAN_IP1, 20},     {LAN_PADIP, 2},   {LAN_IP4, 192},    {LAN_IP3, 168}, {LAN_IP2, 0},
            {LAN_IP1, 1},      {LAN_PADIP, 0},   {LAN_IPPORT, 10500}, {LAN_PADIP, 1}, {LAN_IPPORT, 10501},
            {LAN_NETMASK, 8},  {LAN_STORE, 1},   {LAN_ENABLE, 1}};
        QCOMPARE(WriteSequence(*settings), expected);
    }

    void propertiesAndVariables()
    {
        // Every property but the reset is written, and each comes back from one variable.
        QCOMPARE(WrittenVariable(LAN_PADIP), int(LANPADIP));
        QCOMPARE(MirroredProperty(LANPADIPSTATUS), std::optional<TLanProperty>(LAN_PADIP));
        QCOMPARE(MirroredProperty(LANPADIP), std::nullopt);
        QCOMPARE(MirroredProperty(HPOS), std::nullopt);
        int mirrored = 0;
        for (int n = 0; n < VarTableSize; ++n)
            if (const std::optional<TLanProperty> property = MirroredProperty(n)) {
                ++mirrored;
                if (*property != LAN_PADIP)
                    QCOMPARE(WrittenVariable(*property), n);
            }
        QCOMPARE(mirrored, int(LanPropertyCount));
    }

    void reportsFileBytesInTheSelectedSlot()
    {
        TLanMirror mirror;
        mirror.Report(LAN_PADIP, 1);
        QVERIFY(mirror.Report(LAN_IP4, 10));
        QCOMPARE(mirror.Address(RemoteSlot), (TAddress{10, 0, 0, 0}));
        QCOMPARE(mirror.Address(DeviceSlot), (TAddress{0, 0, 0, 0}));
        mirror.Report(LAN_IPPORT, 2000);
        QCOMPARE(mirror.RemotePort(), uint16_t(2000));
        mirror.Report(LAN_PADIP, 2);
        mirror.Report(LAN_IP1, 254);
        mirror.Report(LAN_IPPORT, 3000);
        QCOMPARE(mirror.Address(GatewaySlot), (TAddress{0, 0, 0, 254}));
        QCOMPARE(mirror.DevicePort(), uint16_t(0));
        QCOMPARE(mirror.RemotePort(), uint16_t(2000));
        // A selector beyond the slots files nowhere but is still the property.
        mirror.Report(LAN_PADIP, 7);
        mirror.Report(LAN_IP4, 99);
        QCOMPARE(mirror.Property(LAN_IP4), uint16_t(99));
        for (TSlot slot : {DeviceSlot, RemoteSlot, GatewaySlot})
            QVERIFY(mirror.Address(slot)[0] != 99);
        // Reset, store and the selector are kept only.
        QVERIFY(!mirror.Report(LAN_STORE, 1));
        QVERIFY(!mirror.Report(LAN_PADIP, 0));
    }

    void unknownFieldsAreFoundBeforeWriting()
    {
        TLanMirror mirror;
        std::array<bool, FieldCount> edited{};
        QCOMPARE(mirror.FirstUnknown(TMode::Rs232, edited), std::nullopt);
        QCOMPARE(mirror.FirstUnknown(TMode::Udp, edited), std::optional<TField>(DeviceAddressField));
        // Three bytes of four are not an address.
        for (TLanProperty byte : {LAN_IP4, LAN_IP3, LAN_IP2})
            mirror.Report(byte, 1);
        QVERIFY(!mirror.Reported(DeviceAddressField));
        mirror.Report(LAN_IP1, 1);
        QVERIFY(mirror.Reported(DeviceAddressField));
        mirror.Report(LAN_IPPORT, 1);
        QCOMPARE(mirror.FirstUnknown(TMode::Tcp, edited), std::optional<TField>(RemoteAddressField));
        edited[RemoteAddressField] = edited[RemotePortField] = edited[GatewayField] = true;
        QCOMPARE(mirror.FirstUnknown(TMode::Tcp, edited), std::optional<TField>(NetmaskField));
        mirror.Report(LAN_NETMASK, 8);
        mirror.Report(LAN_ENABLE, 1);
        QCOMPARE(mirror.FirstUnknown(TMode::Tcp, edited), std::optional<TField>(ModeField));
        mirror.Report(LAN_TCPIP, 1);
        QCOMPARE(mirror.FirstUnknown(TMode::Tcp, edited), std::nullopt);
    }

    void modeFollowsEnableThenProtocol()
    {
        TLanMirror mirror;
        mirror.Report(LAN_TCPIP, 1);
        QCOMPARE(mirror.Mode(), TMode::Rs232);
        mirror.Report(LAN_ENABLE, 1);
        QCOMPARE(mirror.Mode(), TMode::Tcp);
        mirror.Report(LAN_TCPIP, 0);
        QCOMPARE(mirror.Mode(), TMode::Udp);
    }

    void writtenValuesAreNotShown()
    {
        // What "Apply" sends is shown only when the device reports it back.
        TLanMirror mirror;
        mirror.Report(LAN_ENABLE, 1);
        mirror.Report(LAN_NETMASK, 8);
        mirror.Set(LAN_ENABLE, 0);
        mirror.Set(LAN_NETMASK, 16);
        mirror.Set(LAN_PADIP, 1);
        QCOMPARE(mirror.Property(LAN_ENABLE), uint16_t(0));
        QCOMPARE(mirror.Property(LAN_NETMASK), uint16_t(16));
        QCOMPARE(mirror.Mode(), TMode::Udp);
        QCOMPARE(mirror.Netmask(), uint16_t(8));
        mirror.Report(LAN_IP4, 7);
        QCOMPARE(mirror.Address(DeviceSlot)[0], uint16_t(7));
    }
};

MORLIX_TEST(LanSettingsTest)
#include "tst_lansettings.moc"
