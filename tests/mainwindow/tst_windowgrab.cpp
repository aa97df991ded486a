#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "helper_fakedevice.h"
#include "helper_mainwindow.h"
#include "mainwindow/MainPages.h"
#include "mainwindow/WindowGrab.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>

// `morlix --grab`: nothing before the mirror is complete, then one picture
// per page and per window.
class WindowGrabTest : public QObject
{
    Q_OBJECT
private slots:
    void grabsEveryPageAndWindowOnceTheMirrorIsIn()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        FakeMorlix device;
        // Input 1 with an audio source, so that every page is offered.
        device.resendLines = {"IC1", "IP1", "Ip1", "IA1"};
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        window.show();
        TWindowGrab grab(window, dir.filePath("shots"));
        QSignalSpy finished(&grab, &TWindowGrab::Finished);
        grab.Start();
        window.ApplyConnection(LoopbackChoice(ctTCP, device.port()));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
        QCOMPARE(finished.first().at(0).toInt(), 0);
        const QStringList files = grab.Written();
        QCOMPARE(files.size(), int(PageCount) + TWindowGrab::GrabbedWindows().size());
        QVERIFY(files.first().endsWith("01-page-input.png"));
        for (const QString &file : files) {
            const QImage picture(file);
            QVERIFY2(!picture.isNull() && picture.width() > 100, qPrintable(file));
        }
    }

    void noMirrorNoPictures()
    {
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        TWindowGrab grab(window, dir.filePath("shots"), 50);
        QSignalSpy finished(&grab, &TWindowGrab::Finished);
        grab.Start();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
        QCOMPARE(finished.first().at(0).toInt(), 1);
        QVERIFY(grab.Written().isEmpty());
        QVERIFY(!QDir(dir.filePath("shots")).exists());
    }
};

MORLIX_TEST(WindowGrabTest)
#include "tst_windowgrab.moc"
