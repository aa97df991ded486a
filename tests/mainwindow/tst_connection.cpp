#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "dialogs/ContypeCfg.h"
#include "helper_fakedevice.h"
#include "helper_mainwindow.h"
#include "link/ResendProgress.h"
#include "mainwindow/ConnectionOverlay.h"
#include "mainwindow/Form_About.h"
#include "console/Unit_Debug2007.h"
#include "mainwindow/MainStatusBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QtTest>

namespace {
TMainWindowOptions WithoutWatchTicks(TMainWindowOptions options)
{
    // The device is found by the query that goes with the connection; a tick
    // would ask again and mix its answers into the resend the test plays.
    options.PollIntervalMs = 3600 * 1000;
    return options;
}

// A main window and a device that answers the type query only: the test
// plays the resend itself, so that each step of the overlay can be seen.
struct OverlayRig
{
    TScriptedPrompt prompt;
    QTemporaryDir dir;
    FakeMorlix device;
    TForm_Main window{WithoutWatchTicks(TestWindowOptions(dir))};
    TConnectionOverlay *overlay = nullptr;

    OverlayRig()
    {
        device.onData = [this](const QByteArray &data) {
            if (data.contains('?'))
                device.send("DEV67\r\n");
        };
        window.Initialise();
        window.show();
        overlay = window.Overlay();
    }
    void connect() { window.ApplyConnection(LoopbackChoice(ctTCP, device.port())); }
};
} // namespace

// The connection as the operator sees it: the overlay through a connection
// to a device on loopback, the status bar, and the connection dialog's result.
class ConnectionTest : public QObject
{
    Q_OBJECT
private slots:
    void overlayFollowsTheConnection()
    {
        OverlayRig rig;
        TConnectionOverlay *overlay = rig.overlay;
        QCOMPARE(overlay->Caption(), QString("Device not connected"));
        QVERIFY(overlay->isVisible());
        QVERIFY(!overlay->ConnectedPictureShown());

        rig.connect();
        QTRY_COMPARE_WITH_TIMEOUT(overlay->Caption(), QString("Connecting to RZ6070"), 5000);
        QCOMPARE(rig.window.windowTitle(), QString("Morlix"));
        QTRY_VERIFY_WITH_TIMEOUT(rig.device.received.contains("1#"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.window.StatusBarPanels()->PanelText(TMainStatusBar::ConnectionPanel),
                                  QString("Device connected"), 5000);

        rig.device.send("#1\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(overlay->ConnectedPictureShown(), 5000);
        QVERIFY(overlay->isVisible());
        rig.device.send("$7\r\n$7\r\n$9\r\n#0\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(!overlay->isVisible(), 5000);
        // Every DOLLAR report adds a line, the same value included.
        QCOMPARE(rig.window.About()->TestCodes(), (QStringList{"7", "7", "9"}));
        QVERIFY(rig.prompt.asked.isEmpty());
    }

    void overlayShowsHowFarTheResendIs()
    {
        OverlayRig rig;
        QProgressBar *bar = rig.overlay->ResendBar();
        QVERIFY(!bar->isVisible());

        rig.connect();
        QTRY_VERIFY_WITH_TIMEOUT(rig.device.received.contains("1#"), 5000);
        const int expected = TResendProgress::ExpectedReports();
        QByteArray half = "#1\r\n";
        for (int i = 0; i < expected / 2; ++i)
            half += "RX1\r\n";
        rig.device.send(half);
        QTRY_COMPARE_WITH_TIMEOUT(bar->value(), expected / 2, 5000);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->maximum(), expected);
        QCOMPARE(rig.overlay->Caption(), QString("Connecting to RZ6070"));
        QVERIFY(rig.overlay->ConnectedPictureShown());

        rig.device.send("#0\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.overlay->isVisible(), 5000);
        QCOMPARE(bar->value(), expected);
        QVERIFY(rig.prompt.asked.isEmpty());
    }

    // Shown four times a second and on every reconnection: drawn anew, each
    // showing would be a new entry in Qt's pixmap cache, which grows for
    // hours before it lets go of any.
    void connectionPicturesAreDrawnOnceHoweverOftenTheyAreShown()
    {
        TMainStatusBar bar;
        TConnectionOverlay overlay;
        auto *overlayPicture = overlay.findChild<QLabel *>(QStringLiteral("Picture_Connection"));
        QVERIFY(overlayPicture);
        QSet<qint64> barPictures;
        QSet<qint64> overlayPictures;
        for (int tick = 0; tick < 40; ++tick) {
            const bool connected = tick % 8 < 4;
            bar.SetConnectedIcon(connected);
            barPictures << bar.PanelPicture(TMainStatusBar::IconPanel).cacheKey();
            overlay.ShowWithPicture(connected);
            overlayPictures << overlayPicture->pixmap().cacheKey();
        }
        QCOMPARE(barPictures.size(), 2);
        QCOMPARE(overlayPictures.size(), 2);
    }

    void communicationText_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << int(ctNONE) << "" << "Communication : NONE";
        QTest::newRow("serial") << int(ctRS232) << "/dev/ttyUSB0" << "Communication : RS-232 (/dev/ttyUSB0)";
        QTest::newRow("udp") << int(ctUDP) << "" << "Communication : UDP";
        QTest::newRow("tcp") << int(ctTCP) << "" << "Communication : TCP-IP";
    }
    void communicationText()
    {
        QFETCH(int, type);
        QFETCH(QString, port);
        QFETCH(QString, text);
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir, {"/dev/ttyUSB0"}));
        window.Initialise();
        // The dialog's choice is shown as soon as it is accepted.
        window.FillConnectionDialog();
        window.ConnectionDialog()->SetConnectionType(type);
        window.ConnectionDialog()->SetPortName(port);
        window.ConnectionDialog()->PressOk();
        QCOMPARE(window.StatusBarPanels()->PanelText(TMainStatusBar::ConTypePanel), text);
    }

    void unchangedDialogLeavesTheLinkAlone()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        FakeMorlix device;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        window.ApplyConnection(LoopbackChoice(ctTCP, device.port()));
        QTRY_VERIFY_WITH_TIMEOUT(window.Driver().Opened(), 5000);
        window.Driver().SetBaudRate(19200);
        window.FillConnectionDialog();
        window.ConnectionDialog()->PressOk();
        window.ApplyConnectionDialog();
        QCOMPARE(window.Driver().BaudRate(), 19200u);
        QCOMPARE(device.connections, 1);
        QVERIFY(window.Driver().Opened());
    }

    void changedAddressReopensInVariableModeAt9600()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        FakeMorlix first;
        FakeMorlix second;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        window.ApplyConnection(LoopbackChoice(ctTCP, first.port()));
        QTRY_VERIFY_WITH_TIMEOUT(window.Driver().Opened(), 5000);
        window.Driver().SetBaudRate(19200);
        window.Driver().SetConMode(cmRAW);

        window.FillConnectionDialog();
        window.ConnectionDialog()->findChild<QLineEdit *>("Edit_TCPRemotePort")->setText(
            QString::number(second.port()));
        window.ConnectionDialog()->PressOk();
        window.ApplyConnectionDialog();
        QCOMPARE(window.Driver().BaudRate(), 9600u);
        QCOMPARE(window.Driver().ConMode(), cmVAR);
        QCOMPARE(window.Driver().IPRemotePort(), second.port());
        QTRY_COMPARE_WITH_TIMEOUT(second.connections, 1, 5000);
    }

    void dismissedDialogChangesNothing()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        // An earlier OK must not count for a later dialog closed without one.
        window.FillConnectionDialog();
        window.ConnectionDialog()->PressOk();
        window.ApplyConnectionDialog();
        window.FillConnectionDialog();
        window.ConnectionDialog()->SetConnectionType(TConTypeCfgForm::TypeUDP);
        window.ConnectionDialog()->reject();
        window.ApplyConnectionDialog();
        QCOMPARE(window.Driver().ConType(), ctNONE);
    }

    void withoutLanBoardTheDialogStaysOnSerial()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir, {"/dev/ttyS0"}));
        window.Initialise();
        window.ApplyConnection(LoopbackChoice(ctUDP, 10500));
        Report(window.Driver(), "yo0\r\n");
        window.FillConnectionDialog();
        QCOMPARE(window.ConnectionDialog()->ConnectionType(), int(TConTypeCfgForm::TypeRS232));
        QVERIFY(window.ConnectionDialog()->RS232Only());
        Report(window.Driver(), "yo1\r\n");
        window.FillConnectionDialog();
        QCOMPARE(window.ConnectionDialog()->ConnectionType(), int(TConTypeCfgForm::TypeUDP));
    }

    void consoleKeyNeedsThePointerOverTheStatusBar()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        window.ConsoleKeyPressed();
        QVERIFY(!window.ServiceConsole()->isVisible());
        emit window.StatusBarPanels()->PointerOver();
        QVERIFY(window.ConsoleKeyArmed());
        window.ConsoleKeyPressed();
        QVERIFY(window.ServiceConsole()->isVisible());
    }
};

MORLIX_TEST(ConnectionTest)
#include "tst_connection.moc"
