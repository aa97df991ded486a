#include "EventLoopWait.h"
#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "dialogs/FormLogoFrameLoad.h"
#include "helper_mainwindow.h"
#include "mainwindow/LogoLoaderLink.h"

#include <QAction>
#include <QComboBox>
#include <QTimer>
#include <QtTest>

// The main window's side of the loader: what it hands the loader when it
// opens, what it sends for the loader, and the device's mode afterwards.
class LogoLoaderLinkTest : public QObject
{
    Q_OBJECT
private slots:
    void theLoaderOpensWithTheDevicesLumaKeyAndStoredPictures()
    {
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        TLogoLoaderLink *link = window.LogoLoader();
        QVERIFY(window.findChild<QAction *>("ToolButton_Transfert"));
        Report(window.Driver(), "Pk40\r\nPK1\r\nPV11\r\n");
        link->Prepare();
        TLogoFrameLoad *loader = link->Loader();
        QCOMPARE(int(loader->LLEVEL()), 40);
        QCOMPARE(int(loader->LLUMTYPE()), 1);
        auto *destinations = loader->findChild<QComboBox *>("ComboBox_Destination");
        QCOMPARE(destinations->itemText(2), QString::fromUtf8("Logo n°1 (Logo n°1)"));
        QCOMPARE(destinations->itemText(3), QString::fromUtf8("Logo n°2 (Empty)"));
        QCOMPARE(destinations->itemText(9), QString::fromUtf8("Frame n°1 (Frame n°1)"));
        // A later report moves the marks while the loader is open.
        Report(window.Driver(), "PV1\r\n");
        QCOMPARE(destinations->itemText(2), QString::fromUtf8("Logo n°1 (Empty)"));
    }

    void theOperatorsLevelGoesToTheDeviceAndTransferModeEndsWithTheLoader()
    {
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        SentRecorder recorder(window.Driver());
        TLogoFrameLoad *loader = window.LogoLoader()->Loader();
        loader->EnterLevel("50");
        QVERIFY(WaitWithEvents([&] { return recorder.sent.contains("50Pk"); }, 5000));

        Report(window.Driver(), "PM6\r\n");
        QTimer::singleShot(0, loader, &TLogoFrameLoad::reject);
        window.LogoLoader()->Open();
        QCOMPARE(recorder.sent.last(), QString("0PM"));
    }
};
MORLIX_TEST(LogoLoaderLinkTest)

#include "tst_logoloaderlink.moc"
