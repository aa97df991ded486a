#include "../tools/SimProcess.h"
#include "TestRegistry.h"
#include "dialogs/Unit_EDID_DVI.h"
#include "dialogs/Unit_lansetup.h"
#include "helper_mainwindow.h"
#include "helper_operator.h"
#include "mainwindow/LanSetup.h"

#include <QFile>
#include <QtTest>

namespace {

constexpr int Timeout = 10000;

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The LAN and EDID windows against the simulated device: what "Apply" writes
// comes back in the device's reports and is kept in its memory.
class LanEdidSimTest : public QObject
{
    Q_OBJECT
private slots:
    void appliedSettingsComeBackAndAreKept()
    {
        QTemporaryDir dir;
        const QString state = dir.filePath("device.txt");
        QProcess simulator;
        simulator.start(SimulatorPath(), {"--tcp", "0", "--state", state, "--op-step", "1", "--set", "OPT=1",
                                          "--set", "LANENABLE=1", "--set", "LANPROTOCOL=0"});
        QVERIFY(simulator.waitForStarted(Timeout));
        const quint16 port = ListeningPort(simulator);
        QVERIFY(port != 0);

        TRecordedWindow ui(dir);
        ui.window.ApplyConnection(LoopbackChoice(ctTCP, port));
        TLanDlg *lan = ui.window.LanSetup()->Dialog();
        std::array<bool, LanSettings::FieldCount> untouched{};
        QTRY_VERIFY_WITH_TIMEOUT(!lan->Mirror().FirstUnknown(LanSettings::TMode::Udp, untouched)
                                     && ui.window.Driver().GetVar(EDIDRATE) == 1,
                                 Timeout);

        lan->show();
        QCOMPARE(lan->findChild<QLineEdit *>("Edit_DeviceAddress")->text(), QString("192.168.0.10"));
        TypeInto(lan->findChild<QLineEdit *>("Edit_RemoteAddress"), "10.1.2.3");
        lan->PressApply();
        QVERIFY(!lan->isVisible());
        // Over the network the operator is warned first (and answers OK).
        QCOMPARE(ui.prompt.asked.size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(lan->Mirror().Address(LanSettings::RemoteSlot),
                                  (LanSettings::TAddress{10, 1, 2, 3}), Timeout);
        QTRY_VERIFY_WITH_TIMEOUT(Contents(state).contains("\nLANIP4[1]=10\r\n"), Timeout);

        TForm_EDIDDVI *edid = ui.window.EdidWindow();
        edid->Open();
        ChooseEntry(edid->FormatSelector(), 16);
        QTRY_COMPARE_WITH_TIMEOUT(ui.window.Driver().GetVar(EDIDFMT), uint16_t(16), Timeout);
        QCOMPARE(edid->FormatSelector()->Text(), QString("1920 x 1200"));
        edid->PressApply();
        QTRY_VERIFY_WITH_TIMEOUT(Contents(state).contains("\nEDIDFMT=16\r\n"), Timeout);

        simulator.kill();
        QVERIFY(simulator.waitForFinished(Timeout));
    }
};

MORLIX_TEST(LanEdidSimTest)
#include "tst_lanedidsim.moc"
