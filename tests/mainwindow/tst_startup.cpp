#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "config/CheckSum_Halvor.h"
#include "config/KeyValueFile.h"
#include "helper_fakedevice.h"
#include "helper_mainwindow.h"
#include "mainwindow/MainStatusBar.h"
#include "mainwindow/ProgramStart.h"
#include "mainwindow/SplashWindow.h"

#include <QApplication>

#include <QtTest>

namespace {

QStringList SignedLines(const QStringList &lines) { return TCheckSum_Halvor::Signed(lines); }

void WriteSettings(const QTemporaryDir &dir, const QStringList &lines)
{
    QVERIFY(KeyValueFile::Write(dir.filePath("Morlix.ini"), lines));
}

QStringList ReadSettings(const QTemporaryDir &dir)
{
    QStringList lines;
    KeyValueFile::Read(dir.filePath("Morlix.ini"), lines);
    return lines;
}

QString Panel(const TForm_Main &window, TMainStatusBar::TPanel panel)
{
    return window.StatusBarPanels()->PanelText(panel);
}

} // namespace

// Start-up and close: what the settings file makes of the connection, and
// what closing writes back.
class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void firstStartOpensFirstSerialPortAndClosingSavesIt()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        {
            TForm_Main window(TestWindowOptions(dir, {"COM3", "COM5"}));
            window.Initialise();
            QCOMPARE(window.Driver().ConType(), ctRS232);
            QCOMPARE(window.Driver().Port(), QString("COM3"));
            QCOMPARE(window.Driver().BaudRate(), 9600u);
            QCOMPARE(Panel(window, TMainStatusBar::ConTypePanel), QString("Communication : RS-232 (COM3)"));
            window.close();
        }
        const QStringList lines = ReadSettings(dir);
        QCOMPARE(KeyValueFile::Value(lines, "ConType"), QString("ctRS232"));
        QCOMPARE(KeyValueFile::Value(lines, "Port"), QString("COM3"));
        QVERIFY(prompt.asked.isEmpty());
    }

    void firstStartWithoutPortsOpensNothing()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        QCOMPARE(window.Driver().ConType(), ctNONE);
        QCOMPARE(Panel(window, TMainStatusBar::ConTypePanel), QString("Communication : NONE"));
        QCOMPARE(Panel(window, TMainStatusBar::ConnectionPanel), QString("Device not connected"));
    }

    void otherFormatVersionIsIgnored()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        WriteSettings(dir, SignedLines({"VERSION_INI_FILE=2", "Port=COM5", "IpRemotePort=4000",
                                        "IpRemoteAddress=10.0.0.1", "ConType=ctTCP", "Input1=Camera"}));
        TForm_Main window(TestWindowOptions(dir, {"COM3"}));
        window.Initialise();
        QCOMPARE(window.Driver().ConType(), ctNONE);
        QCOMPARE(window.Driver().IPRemotePort(), 10500);
        QCOMPARE(window.Driver().IPRemoteAddress(), QString("192.168.0.10"));
        QCOMPARE(window.Names().Inputs[0], QString("Input 1"));
        QVERIFY(prompt.asked.isEmpty());
    }

    void tcpSettingStartsAConnection()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        FakeMorlix device;
        WriteSettings(dir, SignedLines({"VERSION_INI_FILE=3", "IpRemotePort=" + QString::number(device.port()),
                                        "IpRemoteAddress=127.0.0.1", "ConType=ctTCP", "ConMode=cmVAR",
                                        "BaudRate=19200"}));
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        QCOMPARE(window.Driver().ConType(), ctTCP);
        QCOMPARE(window.Driver().BaudRate(), 19200u);
        QCOMPARE(Panel(window, TMainStatusBar::ConTypePanel), QString("Communication : TCP-IP"));
        QTRY_VERIFY_WITH_TIMEOUT(device.received.contains("?"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(window.Driver().Connected(), 5000);
    }

    void serialSettingWithoutPortsStaysUnconnected()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        WriteSettings(dir, SignedLines({"VERSION_INI_FILE=3", "Port=/dev/ttyUSB7", "ConType=ctRS232"}));
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        QCOMPARE(window.Driver().ConType(), ctNONE);
        QCOMPARE(window.Driver().Port(), QString());
    }

    void malformedNumbersKeepTheDefaults_data()
    {
        QTest::addColumn<QString>("localPort");
        QTest::addColumn<QString>("remotePort");
        QTest::addColumn<QString>("baudRate");
        QTest::newRow("missing") << "" << "" << "";
        QTest::newRow("not numbers") << "abc" << "12x" << "fast";
        QTest::newRow("out of range") << "70000" << "-1" << "-9600";
    }
    void malformedNumbersKeepTheDefaults()
    {
        QFETCH(QString, localPort);
        QFETCH(QString, remotePort);
        QFETCH(QString, baudRate);
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        WriteSettings(dir, SignedLines({"VERSION_INI_FILE=3", "IpLocalPort=" + localPort,
                                        "IpRemotePort=" + remotePort, "BaudRate=" + baudRate,
                                        "ConType=ctNONE"}));
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        QCOMPARE(window.Driver().IPLocalPort(), 10000);
        QCOMPARE(window.Driver().IPRemotePort(), 10500);
        QCOMPARE(window.Driver().BaudRate(), 9600u);
    }

    void corruptedChecksumWarnsAndAsksBeforeSaving_data()
    {
        QTest::addColumn<bool>("saveAnyway");
        QTest::newRow("ok writes") << true;
        QTest::newRow("cancel keeps the file") << false;
    }
    void corruptedChecksumWarnsAndAsksBeforeSaving()
    {
        QFETCH(bool, saveAnyway);
        TScriptedPrompt prompt;
        prompt.answer = [saveAnyway](const TScriptedPrompt::TAsked &question) {
            if (question.buttons & QMessageBox::Cancel)
                return saveAnyway ? QMessageBox::Ok : QMessageBox::Cancel;
            return QMessageBox::Ok;
        };
        QTemporaryDir dir;
        QStringList lines = SignedLines({"VERSION_INI_FILE=3", "IpRemotePort=4000", "ConType=ctNONE",
                                         "Input1=Camera"});
        lines[1] = "IpRemotePort=4001"; // edited by hand after signing
        WriteSettings(dir, lines);
        {
            TForm_Main window(TestWindowOptions(dir));
            window.Initialise();
            // The file is used all the same.
            QCOMPARE(window.Driver().IPRemotePort(), 4001);
            QCOMPARE(window.Names().Inputs[0], QString("Camera"));
            QCOMPARE(prompt.Texts(), QStringList{"Invalid ini file"});
            window.close();
        }
        QCOMPARE(prompt.Texts(),
                 (QStringList{"Invalid ini file", "ini File is not valide, do you want to save it?"}));
        const QStringList saved = ReadSettings(dir);
        QCOMPARE(saved == lines, !saveAnyway);
    }

    void savedFileRoundTrips()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        {
            TForm_Main window(TestWindowOptions(dir));
            window.Initialise();
            window.ApplyConnection(LoopbackChoice(ctUDP, 10600));
            window.Names().Inputs[3] = QString::fromLatin1("Caméra");
            window.Names().Audios[5] = "SDI";
            window.Names().PresetCaptions[7] = "Show";
            window.close();
        }
        const QStringList saved = ReadSettings(dir);
        QCOMPARE(saved.first(), QString("VERSION_INI_FILE=3"));
        QVERIFY(saved.last().startsWith("CheckSum="));
        QCOMPARE(saved.size(), 8 + 4 + 6 + 8 + 1);
        TForm_Main again(TestWindowOptions(dir));
        again.Initialise();
        QCOMPARE(again.Driver().ConType(), ctUDP);
        QCOMPARE(again.Driver().IPRemotePort(), 10600);
        QCOMPARE(again.Names().Inputs[3], QString::fromLatin1("Caméra"));
        QCOMPARE(again.Names().Audios[5], QString("SDI"));
        QCOMPARE(again.Names().PresetCaptions[7], QString("Show"));
        QVERIFY(prompt.asked.isEmpty());
    }

    void programStartAppliesTheCommandLineConnection()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        FakeMorlix device;
        const auto window =
            StartProgram(TestWindowOptions(dir), QStringLiteral("tcp://127.0.0.1:%1").arg(device.port()));
        QVERIFY(window->isVisible());
        QCOMPARE(QApplication::applicationName(), QString("Morlix"));
        QCOMPARE(window->Driver().ConType(), ctTCP);
        QCOMPARE(window->Driver().IPRemotePort(), device.port());
        QCOMPARE(window->Driver().BaudRate(), 9600u);
        // The splash window is gone once the main window shows.
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TForm_PageAccueil *>(top));
        QTRY_VERIFY_WITH_TIMEOUT(device.received.contains("?"), 5000);
    }

    void unwritableSettingsFileIsReported()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TMainWindowOptions options = TestWindowOptions(dir);
        options.SettingsPath = dir.filePath("missing-folder/Morlix.ini");
        TForm_Main window(options);
        window.Initialise();
        QVERIFY(!window.SaveSettings(options.SettingsPath));
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY(prompt.asked.first().text.startsWith("Cannot save "));
    }
};

MORLIX_TEST(StartupTest)
#include "tst_startup.moc"
