#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "dialogs/ContypeCfg.h"
#include "helper_fakedevice.h"
#include "helper_mainwindow.h"
#include "mainwindow/ConnectionOverlay.h"
#include "mainwindow/Form_About.h"
#include "console/Unit_Debug2007.h"
#include "mainwindow/MainStatusBar.h"

#include <QLineEdit>
#include <QtTest>

// The connection as the operator sees it: the overlay through a connection
// to a device on loopback, the status bar, and the connection dialog's result.
class ConnectionTest : public QObject
{
    Q_OBJECT
private slots:
    void overlayFollowsTheConnection()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        FakeMorlix device;
        // The device answers the type query only; the test plays the resend
        // itself, so that each caption can be seen.
        device.onData = [&](const QByteArray &data) {
            if (data.contains('?'))
                device.send("DEV67\r\n");
        };
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        window.show();
        TConnectionOverlay *overlay = window.Overlay();
        QCOMPARE(overlay->Caption(), QString("Device not connected"));
        QVERIFY(overlay->isVisible());
        QVERIFY(!overlay->ConnectedPictureShown());

        window.ApplyConnection(LoopbackChoice(ctTCP, device.port()));
        QTRY_COMPARE_WITH_TIMEOUT(overlay->Caption(), QString("Connecting to RZ6070"), 5000);
        QCOMPARE(window.windowTitle(), QString("Morlix"));
        QTRY_VERIFY_WITH_TIMEOUT(device.received.contains("1#"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(window.StatusBarPanels()->PanelText(TMainStatusBar::ConnectionPanel),
                                  QString("Device connected"), 5000);

        device.send("#1\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(overlay->ConnectedPictureShown(), 5000);
        QVERIFY(overlay->isVisible());
        device.send("$7\r\n$7\r\n$9\r\n#0\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(!overlay->isVisible(), 5000);
        // Every DOLLAR report adds a line, the same value included.
        QCOMPARE(window.About()->TestCodes(), (QStringList{"7", "7", "9"}));
        QVERIFY(prompt.asked.isEmpty());
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
