#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "dialogs/ContypeCfg.h"
#include "helper_mainwindow.h"
#include "mainwindow/DeviceStatus.h"
#include "mainwindow/Form_About.h"
#include "mainwindow/MainStatusBar.h"
#include "mainwindow/MessagePanels.h"
#include "mainwindow/StatusTexts.h"
#include "mainwindow/StatusTicker.h"

#include <QAction>
#include <QProgressBar>
#include <QtTest>

namespace {

QString Panel(const TForm_Main &window, TMainStatusBar::TPanel panel)
{
    return window.StatusBarPanels()->PanelText(panel);
}

QAction *Item(const TForm_Main &window, const char *name)
{
    return window.findChild<QAction *>(name);
}

} // namespace

// Identity, versions, checksums, options, the release check, long operations
// and the ticker, each driven by the device's reports.
class DeviceStatusTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<TScriptedPrompt> m_prompt;
    std::unique_ptr<TForm_Main> m_window;

private slots:
    void init()
    {
        m_prompt = std::make_unique<TScriptedPrompt>();
        m_window = std::make_unique<TForm_Main>(TestWindowOptions(m_dir));
        m_window->Initialise();
    }
    void cleanup()
    {
        m_window.reset();
        m_prompt.reset();
    }

    void deviceVersion_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<QString>("line");
        QTest::newRow("0x0105") << QByteArray("xU261") << "Version : 1.05";
        QTest::newRow("0x010A") << QByteArray("xU266") << "Version : 1.10";
        QTest::newRow("0x0A00") << QByteArray("xU2560") << "Version : 10.00";
    }
    void deviceVersion()
    {
        QFETCH(QByteArray, report);
        QFETCH(QString, line);
        Report(m_window->Driver(), report + "\r\n");
        QCOMPARE(m_window->About()->DeviceVersion(), line);
        QCOMPARE(Panel(*m_window, TMainStatusBar::DevicePanel), "Device " + line);
    }

    void programVersion()
    {
        const QString expected = QStringLiteral("Version : ")
                                 + StatusTexts::ProgramVersionFields(MORLIX_VERSION_MAJOR, MORLIX_VERSION_MINOR,
                                                                     MORLIX_VERSION_RELEASE, MORLIX_VERSION_BUILD);
        QCOMPARE(m_window->About()->SoftwareVersion(), expected);
        QCOMPARE(Panel(*m_window, TMainStatusBar::SoftwarePanel), "Software " + expected);
        QCOMPARE(StatusTexts::ProgramVersionFields(2, 2, 0, 0), QString("2.02.00.00"));
    }

    void checksumLines_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<int>("var");
        QTest::addColumn<QString>("line");
        QTest::newRow("I1 small") << QByteArray("xi10") << int(VERI1) << "I1 = 000A";
        QTest::newRow("I1 163") << QByteArray("xi163") << int(VERI1) << "I1 = 00A3";
        QTest::newRow("I1 full") << QByteArray("xi65535") << int(VERI1) << "I1 = FFFF";
        QTest::newRow("K") << QByteArray("xK4660") << int(VERK) << "K  = 1234";
        QTest::newRow("O") << QByteArray("yo1") << int(OPT) << "O  = 0001";
        QTest::newRow("R") << QByteArray("xR255") << int(REV) << "R  = 00FF";
    }
    void checksumLines()
    {
        QFETCH(QByteArray, report);
        QFETCH(int, var);
        QFETCH(QString, line);
        Report(m_window->Driver(), report + "\r\n");
        QCOMPARE(m_window->About()->ChecksumLine(var), line);
    }

    void identityNamesTheDevice()
    {
        QCOMPARE(m_window->windowTitle(), QString("Unknown"));
        QCOMPARE(m_window->About()->windowTitle(), QString("About Unknown"));
        Report(m_window->Driver(), "DEV67\r\n");
        QCOMPARE(m_window->windowTitle(), QString("Morlix"));
        QCOMPARE(Item(*m_window, "MenuItem_About")->text(), QString("About RZ6070"));
        QCOMPARE(m_window->About()->windowTitle(), QString("About RZ6070"));
        // An unknown code (the driver only stores 67, so straight to the routine).
        m_window->DeviceStatus()->Identify(12);
        QCOMPARE(m_window->windowTitle(), QString("Unknown"));
        QCOMPARE(Item(*m_window, "MenuItem_About")->text(), QString("About Unknown"));
        QVERIFY(!m_window->DeviceStatus()->Identified());
    }

    void releaseCheck_data()
    {
        QTest::addColumn<bool>("identified");
        QTest::addColumn<int>("verv");
        QTest::addColumn<QString>("notice");
        QTest::newRow("same release") << true << 32 << "";
        QTest::newRow("newer device") << true << 33
                                      << "       New Remote Control Software available, download update recommended !";
        QTest::newRow("older device") << true << 31
                                      << "        New Morlix Firmware available, download update recommended !";
        QTest::newRow("not identified") << false << 33 << "";
    }
    void releaseCheck()
    {
        QFETCH(bool, identified);
        QFETCH(int, verv);
        QFETCH(QString, notice);
        if (identified)
            Report(m_window->Driver(), "DEV67\r\n");
        Report(m_window->Driver(), "xV" + QByteArray::number(verv) + "\r\n");
        TUpdatePanel *panel = m_window->UpdatePanel();
        QCOMPARE(panel->isVisibleTo(m_window.get()), !notice.isEmpty());
        if (notice.isEmpty())
            return;
        QCOMPARE(panel->Notice(), notice);
        // Stays until dismissed, a matching release included.
        Report(m_window->Driver(), "xV32\r\n");
        QVERIFY(panel->isVisibleTo(m_window.get()));
        panel->PressOk();
        QVERIFY(!panel->isVisibleTo(m_window.get()));
    }

    void operationPanel_data()
    {
        QTest::addColumn<QByteArray>("reports");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("small");
        QTest::addColumn<QString>("caption");
        QTest::newRow("centering") << QByteArray("CP50\r\nCK1\r\n") << true << "50%" << "Centering in progress...";
        QTest::newRow("auto setting") << QByteArray("CP5\r\nCK2\r\n") << true << "5%"
                                      << "Auto setting in progress...";
        QTest::newRow("stand-by") << QByteArray("CP50\r\nCK3\r\n") << true << "15s" << "Stand-by mode...";
        QTest::newRow("saving, start") << QByteArray("CP0\r\nCK4\r\n") << true << "30s" << "Save Logo/Frame...";
        QTest::newRow("saving, half even") << QByteArray("CP5\r\nCK4\r\n") << true << "28s"
                                           << "Save Logo/Frame...";
        QTest::newRow("nothing") << QByteArray("CK1\r\nCK0\r\n") << false << "" << "";
    }
    void operationPanel()
    {
        QFETCH(QByteArray, reports);
        QFETCH(bool, shown);
        QFETCH(QString, small);
        QFETCH(QString, caption);
        Report(m_window->Driver(), reports);
        TOperationPanel *panel = m_window->OperationPanel();
        QCOMPARE(panel->isVisibleTo(m_window.get()), shown);
        QCOMPARE(panel->Caption(), caption);
        if (shown) {
            QCOMPARE(panel->SmallText(), small);
            QCOMPARE(panel->ProgressBar()->value(), int(m_window->Driver().GetVar(COPPROGRESS)));
        }
    }

    void optionsEnableTheNetwork_data()
    {
        QTest::addColumn<int>("opt");
        QTest::addColumn<bool>("lan");
        QTest::newRow("no options") << 0 << false;
        QTest::newRow("LAN board") << 1 << true;
        QTest::newRow("other bits only") << 6 << false;
        QTest::newRow("LAN and others") << 7 << true;
    }
    void optionsEnableTheNetwork()
    {
        QFETCH(int, opt);
        QFETCH(bool, lan);
        Report(m_window->Driver(), "yo" + QByteArray::number(opt) + "\r\n");
        QCOMPARE(Item(*m_window, "MenuItem_LANSetup")->isEnabled(), lan);
        QCOMPARE(m_window->ConnectionDialog()->RS232Only(), !lan);
    }

    void tickerComposesScrollsAndStops()
    {
        TStatusTicker *ticker = m_window->StatusBarPanels()->Ticker();
        QVERIFY(!ticker->Active());
        Report(m_window->Driver(), "YE1\r\nYS1\r\n");
        QVERIFY(ticker->Active());
        QVERIFY(m_window->FastTimer().isActive());
        m_window->FastTimer().stop(); // the test steps it
        ticker->Step();
        QCOMPARE(ticker->Text(), QString("Erase all memories...      Wait storing settings...       "));
        QCOMPARE(ticker->X(), ticker->ScrollWidth());
        ticker->Step();
        QCOMPARE(ticker->X(), ticker->ScrollWidth() - 1);
        // Nothing to say any more: once the text has scrolled past, the ticker stops.
        Report(m_window->Driver(), "YE0\r\nYS0\r\nCK0\r\n");
        for (int step = 0; step < 5000 && ticker->Active(); ++step)
            ticker->Step();
        QVERIFY(!ticker->Active());
        QCOMPARE(ticker->Text(), QString(" "));
        QVERIFY(!m_window->FastTimer().isActive());
    }

    void tickerTexts_data()
    {
        QTest::addColumn<QByteArray>("reports");
        QTest::addColumn<QString>("text");
        QTest::newRow("default value") << QByteArray("YR1\r\n") << "Default value...       ";
        QTest::newRow("all") << QByteArray("YR1\r\nYE1\r\nYS1\r\nCK3\r\n")
                             << "Default value...      Erase all memories...      Wait storing settings...      "
                                "Stand-by mode... ";
    }
    void tickerTexts()
    {
        QFETCH(QByteArray, reports);
        QFETCH(QString, text);
        Report(m_window->Driver(), reports);
        QCOMPARE(m_window->DeviceStatus()->ComposeTickerText(), text);
    }
};

MORLIX_TEST(DeviceStatusTest)
#include "tst_devicestatus.moc"
