#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "controls/Unit_GestionSlide.h"
#include "helper_mainwindow.h"
#include "mainwindow/AppFiles.h"
#include "mainwindow/ConnectionChoice.h"
#include "mainwindow/VariableBinding.h"
#include "variables/Conversion_V2.h"
#include "variables/MorlixVariables_d.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QtTest>

// The pieces every page is built from: binding a control to a variable, the
// page strip, the command-line connection and where the program's files live.
class MainPartsTest : public QObject
{
    Q_OBJECT
private slots:
    void sliderBindingSendsAndFollowsReports()
    {
        TComDriverMorlix driver;
        TMorlixVariables changes;
        TConversion_V2 conversion;
        const TMainContext context{driver, changes, conversion};
        connect(&driver, &TComDriver::OnVarReceived, &changes, [&](int n) { changes.SetVarNumber(uint16_t(n)); });
        SentRecorder sent(driver);
        QScrollBar slider(Qt::Horizontal);
        VariableBinding::BindSlider(context, &slider, LCDBRIGHTNESS);
        QCOMPARE(slider.minimum(), 1);
        QCOMPARE(slider.maximum(), 8);
        Report(driver, "YB3\r\n");
        QCOMPARE(slider.value(), 3);
        QVERIFY(sent.sent.isEmpty()); // a report never echoes back
        slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(sent.sent, QStringList{"4YB"});
    }

    void largeStep_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("pageStep");
        QTest::newRow("tenth") << 0 << 1000 << 100;
        QTest::newRow("half to even") << 0 << 25 << 2;
        QTest::newRow("too small keeps default") << 0 << 4 << 10;
        QTest::newRow("too large keeps default") << 0 << 65535 << 6554;
    }
    void largeStep()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, pageStep);
        const int step = VariableBinding::LargeStep(minimum, maximum);
        QCOMPARE(step >= 1 && step <= 32767 ? step : 10, pageStep);
    }

    void selectorOutsideItsTableWarnsAndSendsNothing()
    {
        TScriptedPrompt prompt;
        TComDriverMorlix driver;
        TMorlixVariables changes;
        TConversion_V2 conversion;
        const TMainContext context{driver, changes, conversion};
        SentRecorder sent(driver);
        QComboBox selector;
        selector.addItems({"a", "b", "c"});
        VariableBinding::BindSelector(context, &selector, STDBYTIME, {5, 2});
        emit selector.activated(1);
        emit selector.activated(2);
        QCOMPARE(sent.sent, (QStringList{"2wt"}));
        QCOMPARE(prompt.Texts(), QStringList{"ItemIndex out about Tab: 0 will be send"});
    }

    void pageStripHoldsTheSevenPages()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        TGestionSlide *slide = window.GestionSlide1();
        QStringList captions;
        for (int i = 0; i < slide->PageCount(); ++i)
            captions << slide->Button(i)->text();
        QCOMPARE(captions, (QStringList{"Input", "Output", "Image Setting", "Zoom/Shrink", "Logos/Frame", "Audio",
                                        "Status"}));
        QCOMPARE(slide->ItemIndex(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!slide->IsSliding(), 5000);
        QCOMPARE(slide->Panel(0)->pos(), QPoint(122, slide->SlideTop));
        slide->Button(3)->click();
        slide->Button(5)->click(); // queued behind the running slide
        QTRY_COMPARE_WITH_TIMEOUT(slide->ItemIndex(), 5, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!slide->IsSliding(), 5000);
        QCOMPARE(window.size(), QSize(783, 590 + window.menuWidget()->sizeHint().height()));
    }

    void commandLineConnection_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("serialPort");
        QTest::newRow("tcp") << "tcp://127.0.0.1:10500" << true << int(ctTCP) << "127.0.0.1" << 10500 << "";
        QTest::newRow("udp host name") << "udp://scaler.local:4000" << true << int(ctUDP) << "scaler.local" << 4000
                                       << "";
        QTest::newRow("serial") << "serial:/dev/ttyUSB0" << true << int(ctRS232) << "192.168.0.10" << 10500
                                << "/dev/ttyUSB0";
        QTest::newRow("no port") << "tcp://127.0.0.1" << false << 0 << "" << 0 << "";
        QTest::newRow("port too big") << "tcp://127.0.0.1:70000" << false << 0 << "" << 0 << "";
        QTest::newRow("unknown scheme") << "http://127.0.0.1:80" << false << 0 << "" << 0 << "";
        QTest::newRow("empty serial") << "serial:" << false << 0 << "" << 0 << "";
    }
    void commandLineConnection()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, type);
        QFETCH(QString, address);
        QFETCH(int, port);
        QFETCH(QString, serialPort);
        TConnectionChoice base;
        base.RemoteAddress = "192.168.0.10";
        QString error;
        const auto choice = TConnectionChoice::Parse(text, base, &error);
        QCOMPARE(bool(choice), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (!choice)
            return;
        QCOMPARE(int(choice->Type), type);
        QCOMPARE(choice->RemoteAddress, address);
        QCOMPARE(choice->RemotePort, port);
        QCOMPARE(choice->Port, serialPort);
    }

    void ownFilesLocation()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath("program");
        const QString config = dir.filePath("config");
        QDir().mkpath(program);
        // A writable program folder is used.
        QCOMPARE(AppFiles::PathFor("Morlix.ini", program, config), QDir(program).filePath("Morlix.ini"));
        // A read-only one only when it already holds the file.
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(program).isWritable())
            QSKIP("running with rights that ignore folder permissions");
        QCOMPARE(AppFiles::PathFor("Morlix.ini", program, config), QDir(config).filePath("Morlix.ini"));
        QVERIFY(QFileInfo(config).isDir());
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile file(QDir(program).filePath("Morlix.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(AppFiles::PathFor("Morlix.ini", program, config), QDir(program).filePath("Morlix.ini"));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

MORLIX_TEST(MainPartsTest)
#include "tst_mainparts.moc"
