#include "../transfer/ScriptedDevice.h"
#include "EventLoopWait.h"
#include "GifBuilder.h"
#include "ScriptedPrompt.h"
#include "TcpLink.h"
#include "TcpSimulator.h"
#include "TestFolder.h"
#include "TestRegistry.h"
#include "dialogs/FormLogoFrameLoad.h"
#include "dialogs/FormProgress.h"
#include "dialogs/HistoryImage.h"
#include "link/ComDriverMorlix.h"
#include "transfer/PictureLimits.h"
#include "transfer/ThreadFrameRaw.h"
#include "transfer/ThreadFrameReceive.h"
#include "transfer/TransferMode.h"
#include "transfer/TransferRecords.h"
#include "variables/VariableTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

using namespace TransferRecords;

namespace {

constexpr int Patience = 60000;

QImage Mixed(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, y % 5 < 2 ? qRgb(40, 80, 120) : qRgb((x * 31 + y) & 0xFF, (x ^ y) | 1, y | 1));
    return picture;
}

// The window as the main window prepares it, on a link of its own.
struct LoaderRig
{
    TScriptedPrompt Prompt;
    TTestFolder Folder;
    TComDriverMorlix Link{3600 * 1000, 3600 * 1000};
    TLogoFrameLoad Loader;
    QList<int> LevelsSent;
    QList<int> TypesSent;

    LoaderRig()
    {
        Loader.SetDRIVER(&Link);
        Loader.SetTransfertModeEvent(TransferModeRequest(Link));
        Loader.SetSettleDelayMs(0);
        Loader.SetLumaKeyCodes(0, 1, 255, 0);
        Loader.SetHistoryFile(Folder.Path("ImagesFile.ini"));
        Loader.OnLLEVELEvent = [this] { LevelsSent << Loader.LLEVEL(); };
        Loader.OnLLUMTYPEEvent = [this] { TypesSent << Loader.LLUMTYPE(); };
    }

    bool ConnectTcp(quint16 port) { return OpenTcpLink(Link, port, Patience); }

    QString Write(const QString &name, const QImage &picture)
    {
        const QString path = Folder.Path(name);
        return picture.save(path, "BMP") ? path : QString();
    }

    // The list position of a destination.
    int Index(int kind, int number) const
    {
        const TLoaderDestinations &list = Loader.Destinations();
        for (int i = 0; i < list.Count(); ++i) {
            if (list.At(i).Kind == kind && list.At(i).Number == number)
                return i;
        }
        return -1;
    }

    QString Caption(int index) const { return Loader.findChild<QComboBox *>("ComboBox_Destination")->itemText(index); }

    bool Finish() { return WaitWithEvents([&] { return !Loader.TransferActive(); }, Patience); }

    bool Upload(const QString &path, int kind, int number)
    {
        Loader.LoadPicture(path, false);
        Loader.ChooseDestination(Index(kind, number));
        Loader.TransferToDevice();
        return Loader.TransferActive() && Finish();
    }
};

// What a device sends back ends with CR alone.
QByteArray DeviceLine(const QByteArray &record)
{
    return record.chopped(1);
}

QList<TDestination> DestinationsSent(const ScriptedDevice &device)
{
    QList<TDestination> sent;
    for (const QByteArray &line : device.Lines) {
        if (const auto record = ScriptedDevice::Parsed(line))
            if (const auto destination = DestinationOf(*record))
                sent << *destination;
    }
    return sent;
}

} // namespace

class LogoFrameLoadTest : public QObject
{
    Q_OBJECT
private slots:
    void uploadThenDownloadGivesBackThePixels_data()
    {
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<QSize>("size");
        QTest::newRow("logo 1, interlaced") << true << PictureLimits::KindStillLogo << 1 << QSize(70, 21);
        QTest::newRow("logo 2, one pass, odd height") << false << PictureLimits::KindStillLogo << 2 << QSize(45, 13);
        QTest::newRow("frame, interlaced") << true << PictureLimits::KindFrame << 1 << QSize(64, 36);
        QTest::newRow("logo 4, no PVALID bit") << false << PictureLimits::KindStillLogo << 4 << QSize(9, 9);
    }
    void uploadThenDownloadGivesBackThePixels()
    {
        QFETCH(bool, interlaced);
        QFETCH(int, kind);
        QFETCH(int, number);
        QFETCH(QSize, size);
        TcpSimulator sim;
        LoaderRig rig;
        rig.Loader.SetDestinations(4, 1, interlaced, true, 1);
        rig.Link.SetBaudRate(38400);
        QVERIFY(rig.ConnectTcp(sim.Port()));
        const QImage sent = Mixed(size.width(), size.height());
        const int index = rig.Index(kind, number);
        const QString emptyCaption = rig.Caption(index);

        QVERIFY(rig.Upload(rig.Write("sent.bmp", sent), kind, number));
        QCOMPARE(rig.Loader.StatusText(), QString("Transfer completed."));
        QCOMPARE(rig.Loader.DestinationIndex(), 0);
        const int bit = PictureLimits::ValidBitOf(kind, number);
        if (bit >= 0) {
            QVERIFY(WaitWithEvents([&] { return (rig.Link.GetVar(PVALID) >> bit) & 1; }, Patience));
            rig.Loader.SetStoredMarks(rig.Link.GetVar(PVALID));
            QVERIFY(rig.Caption(index) != emptyCaption);
            QVERIFY(!rig.Caption(index).contains("Empty"));
        }

        rig.Loader.LoadPicture(rig.Write("other.bmp", Mixed(5, 5).mirrored()), false);
        rig.Loader.ChooseDestination(index);
        rig.Loader.RetrieveFromDevice();
        QVERIFY(rig.Finish());
        QCOMPARE(rig.Loader.StatusText(), QString("Transfer completed."));
        QCOMPARE(rig.Loader.LoadedKind(), TLogoFrameLoad::lkStill);
        QCOMPARE(rig.Loader.Converter().BmpLoad(), sent);
        QCOMPARE(rig.Link.ConMode(), cmVAR);
        QCOMPARE(rig.Link.BaudRate(), 38400u);
        QVERIFY(rig.Prompt.asked.isEmpty());
    }

    // The device answers up to the animation record of a download, then
    // falls silent: a blank picture of the announced size is being filled.
    void abortOrCloseDuringADownloadChangeNothing_data()
    {
        QTest::addColumn<bool>("close");
        QTest::newRow("abort") << false;
        QTest::newRow("close, Yes") << true;
    }
    void abortOrCloseDuringADownloadChangeNothing()
    {
        QFETCH(bool, close);
        ScriptedDevice device;
        device.Answer = [](const QByteArray &, int index) -> QByteArray {
            switch (index) {
            case 0: return ".1\r";
            case 1: return DeviceLine(DestinationRecord({Flags::KindMask & 2, 1}));
            case 2: return DeviceLine(GeometryRecord({40, 30}));
            case 3: return DeviceLine(AnimationRecord({1, 0}));
            default: return {};
            }
        };
        LoaderRig rig;
        rig.Link.SetBaudRate(19200);
        QVERIFY(rig.ConnectTcp(device.Port()));
        const QImage loaded = Mixed(12, 10);
        rig.Loader.LoadPicture(rig.Write("loaded.bmp", loaded), false);
        const QImage displayed = rig.Loader.DisplayedPicture();
        rig.Loader.show();
        rig.Loader.ChooseDestination(rig.Index(PictureLimits::KindStillLogo, 1));
        rig.Loader.RetrieveFromDevice();
        QVERIFY(rig.Loader.ProgressWindow()->isVisible());
        QVERIFY(WaitWithEvents([&] { return device.Lines.size() >= 5; }, Patience));

        if (close) {
            rig.Loader.reject();
            QCOMPARE(rig.Prompt.Texts(), QStringList{TLogoFrameLoad::CloseQuestion()});
            QVERIFY(!rig.Loader.isVisible());
        } else {
            rig.Loader.ProgressWindow()->AbortButton()->click();
            QVERIFY(rig.Finish());
            QVERIFY(rig.Loader.isVisible());
        }
        QVERIFY(!rig.Loader.TransferActive());
        QVERIFY(!rig.Loader.ProgressWindow()->isVisible());
        QCOMPARE(rig.Loader.StatusText(), TThreadFrame::AbortedStatus());
        QVERIFY(WaitWithEvents([&] { return device.Lines.last() == ".0\r"; }, Patience));
        QCOMPARE(rig.Loader.Converter().BmpLoad(), loaded);
        QCOMPARE(rig.Loader.DisplayedPicture(), displayed);
        QCOMPARE(rig.Link.ConMode(), cmVAR);
        QCOMPARE(rig.Link.BaudRate(), 19200u);
    }

    void closingDuringATransferCanBeRefused()
    {
        ScriptedDevice device;
        device.Answer = [](const QByteArray &, int) { return QByteArray(); };
        LoaderRig rig;
        QVERIFY(rig.ConnectTcp(device.Port()));
        rig.Loader.show();
        rig.Prompt.answer = [](const TScriptedPrompt::TAsked &) { return QMessageBox::No; };
        rig.Loader.LoadPicture(rig.Write("a.bmp", Mixed(4, 4)), false);
        rig.Loader.ChooseDestination(rig.Index(PictureLimits::KindStillLogo, 1));
        rig.Loader.TransferToDevice();
        rig.Loader.reject();
        QVERIFY(rig.Loader.isVisible());
        QVERIFY(rig.Loader.TransferActive());
        rig.Prompt.answer = nullptr;
        rig.Loader.reject();
        QVERIFY(!rig.Loader.isVisible());
        QCOMPARE(rig.Link.ConMode(), cmVAR);
    }

    void withoutAnOpenLinkNothingStarts()
    {
        LoaderRig rig;
        rig.Loader.LoadPicture(rig.Write("a.bmp", Mixed(4, 4)), false);
        rig.Loader.ChooseDestination(rig.Index(PictureLimits::KindStillLogo, 1));
        rig.Loader.TransferToDevice();
        rig.Loader.RetrieveFromDevice();
        QCOMPARE(rig.Prompt.Texts(), QStringList(2, TLogoFrameLoad::NoLinkMessage()));
        QVERIFY(!rig.Loader.TransferActive());
        QCOMPARE(rig.Loader.StatusText(), TThreadFrame::FailureStatus());
        QVERIFY(!rig.Loader.Sender().Running());
        QVERIFY(!rig.Loader.Receiver().Running());
    }

    void aTimeoutIsAFailure()
    {
        ScriptedDevice device;
        device.Answer = [](const QByteArray &, int) { return QByteArray(); };
        LoaderRig rig;
        QVERIFY(rig.ConnectTcp(device.Port()));
        auto *entry = rig.Loader.findChild<QLineEdit *>("Edit_TIMEOUT_TRANSFERT");
        auto *inForce = rig.Loader.findChild<QLineEdit *>("Edit_TIMEOUT_TRANSFERT_InForce");
        QCOMPARE(inForce->text(), QString("30000"));
        for (const char *typed : {"100", "abc", "0"}) {
            entry->setText(typed);
            emit entry->editingFinished();
        }
        QCOMPARE(rig.Loader.Sender().TIMEOUT_TRANSFERT(), 100);
        QCOMPARE(inForce->text(), QString("100"));
        QCOMPARE(entry->text(), QString("100"));

        QVERIFY(rig.Upload(rig.Write("a.bmp", Mixed(4, 4)), PictureLimits::KindStillLogo, 1));
        QCOMPARE(rig.Loader.StatusText(), TThreadFrameRaw::NoAnswerStatus());
        QVERIFY(!rig.Loader.Sender().Succeeded());
        QCOMPARE(device.Types().last(), int(IntelHex::rtAbandon));
        QCOMPARE(rig.Link.ConMode(), cmVAR);
    }

    void anAnimatedGifGoesToTheAnimatedLogoOnly()
    {
        TTestGif gif;
        gif.Width = 10;
        gif.Height = 8;
        gif.Palette = {qRgb(0, 0, 0), qRgb(200, 10, 10), qRgb(10, 200, 10)};
        for (int n = 0; n < 3; ++n) {
            TTestGifFrame frame = SolidFrame(0, 0, 10, 8, uint8_t(1 + n % 2), 1);
            frame.TransparentIndex = 0;
            frame.DelayCs = 7000; // 70 s: more than the record's 2 bytes hold in ms
            gif.Frames.push_back(frame);
        }
        ScriptedDevice device;
        LoaderRig rig;
        QVERIFY(rig.ConnectTcp(device.Port()));
        // The extension's case says nothing about the content.
        const QString path = rig.Folder.Write("LOGO.GIF", EncodeGif(gif));
        rig.Loader.LoadPicture(path, false);
        QCOMPARE(rig.Loader.LoadedKind(), TLogoFrameLoad::lkAnimated);
        // The display plays the animation, one frame at a time.
        QCOMPARE(rig.Loader.DisplayedPicture().size(), QSize(10, 8));
        auto *destination = rig.Loader.findChild<QComboBox *>("ComboBox_Destination");
        QCOMPARE(destination->currentText(), QString::fromUtf8("Logo n°5 (Empty)"));
        QVERIFY(!destination->isEnabled());
        QVERIFY(!rig.Loader.findChild<QSlider *>("Slider_Luma")->isEnabled());
        QVERIFY(!rig.Loader.findChild<QPushButton *>("Button_Save")->isEnabled());
        QVERIFY(rig.Loader.findChild<QPushButton *>("Button_Transfer")->isEnabled());
        // A transparent GIF keys at level 1, and the device is told.
        QCOMPARE(rig.LevelsSent, QList<int>{1});

        rig.Loader.TransferToDevice();
        QVERIFY(rig.Finish());
        QCOMPARE(rig.Loader.StatusText(), QString("Transfer completed."));
        const QList<TDestination> sent = DestinationsSent(device);
        QCOMPARE(sent.size(), 2);
        QCOMPARE(int(sent[0].Flags), 3 + 32 + 16);
        QCOMPARE(int(sent[1].Flags), 3 + 32 + 16 + 64);
        QCOMPARE(int(sent[0].Number), 5);
        bool animationSeen = false;
        for (const QByteArray &line : device.Lines) {
            if (const auto record = ScriptedDevice::Parsed(line))
                if (const auto animation = AnimationOf(*record)) {
                    QCOMPARE(int(animation->FrameCount), 3);
                    QCOMPARE(int(animation->DelayMs), 65535);
                    animationSeen = true;
                }
        }
        QVERIFY(animationSeen);
    }

    void aStillLogoIsSentWithItsFlags()
    {
        ScriptedDevice device;
        LoaderRig rig;
        QVERIFY(rig.ConnectTcp(device.Port()));
        QVERIFY(rig.Upload(rig.Write("a.bmp", Mixed(6, 4)), PictureLimits::KindStillLogo, 2));
        const QList<TDestination> sent = DestinationsSent(device);
        QCOMPARE(sent.size(), 2);
        QCOMPARE(int(sent[0].Flags), 34);
        QCOMPARE(int(sent[1].Flags), 34 + 64);
        QCOMPARE(int(sent[0].Number), 2);

        // The animated logo takes animations only.
        rig.Loader.ChooseDestination(rig.Index(PictureLimits::KindAnimatedLogo, PictureLimits::AnimatedLogoNumber));
        rig.Loader.TransferToDevice();
        QCOMPARE(rig.Prompt.Texts(), QStringList{"Wrong emplacement for still logo"});
        QCOMPARE(rig.Loader.DestinationIndex(), 0);
        QCOMPARE(rig.Loader.StatusText(), TThreadFrame::FailureStatus());
        QCOMPARE(DestinationsSent(device).size(), 2);
    }

    void aPictureTooLargeForTheFrameIsRefused()
    {
        LoaderRig rig;
        rig.Loader.LoadPicture(rig.Write("big.bmp", Mixed(1920, 1081)), false);
        rig.Loader.ChooseDestination(rig.Index(PictureLimits::KindFrame, 1));
        rig.Loader.TransferToDevice();
        QCOMPARE(rig.Prompt.Texts(), QStringList{"Picture exceed frame size"});
        QCOMPARE(rig.Loader.DestinationIndex(), 0);
        QCOMPARE(rig.Loader.StatusText(), TThreadFrame::FailureStatus());
        QVERIFY(!rig.Loader.TransferActive());
    }

    void aFailedDownloadLeavesTheLoadedPicture()
    {
        TcpSimulator sim;
        LoaderRig rig;
        QVERIFY(rig.ConnectTcp(sim.Port()));
        const QImage loaded = Mixed(7, 3);
        rig.Loader.LoadPicture(rig.Write("a.bmp", loaded), false);
        rig.Loader.ChooseDestination(rig.Index(PictureLimits::KindStillLogo, 3));
        rig.Loader.RetrieveFromDevice();
        QVERIFY(rig.Finish());
        QCOMPARE(rig.Prompt.Texts(), QStringList{TThreadFrameReceive::NothingStoredStatus()});
        QCOMPARE(rig.Loader.StatusText(), QString("Idle"));
        QCOMPARE(rig.Loader.Converter().BmpLoad(), loaded);
    }

    void unreadablePicturesLeaveNothingLoaded_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("damaged bitmap") << "bad.bmp" << QByteArray("BM not really");
        QTest::newRow("metafile") << "drawing.emf" << QByteArray("\x01\x00\x00\x00", 4);
        QTest::newRow("damaged GIF") << "anim.gif" << QByteArray("GIF89a");
    }
    void unreadablePicturesLeaveNothingLoaded()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        LoaderRig rig;
        rig.Loader.LoadPicture(rig.Write("good.bmp", Mixed(4, 4)), false);
        rig.Loader.LoadPicture(rig.Folder.Write(name, content), false);
        QCOMPARE(rig.Prompt.Texts().size(), 1);
        QVERIFY(rig.Prompt.Texts()[0].startsWith("Invalid picture"));
        QCOMPARE(rig.Loader.LoadedKind(), TLogoFrameLoad::lkNone);
        QVERIFY(rig.Loader.Converter().BmpProcessed().isNull());
        QVERIFY(rig.Loader.DisplayedPicture().isNull());
        rig.Loader.ChooseDestination(rig.Index(PictureLimits::KindStillLogo, 1));
        QVERIFY(!rig.Loader.findChild<QPushButton *>("Button_Transfer")->isEnabled());
    }

    // The level and the type the operator chooses key the picture at once,
    // and go to the device.
    void theLumaKeyChosenIsTheOneApplied()
    {
        LoaderRig rig;
        QImage picture(3, 1, QImage::Format_RGB888);
        picture.setPixel(0, 0, qRgb(15, 15, 15));
        picture.setPixel(1, 0, qRgb(16, 16, 16));
        picture.setPixel(2, 0, qRgb(240, 240, 240));
        rig.Loader.SetLumaKeyColor(QColor(0, 0, 255));
        rig.Loader.LoadPicture(rig.Write("a.bmp", picture), false);
        QCOMPARE(rig.Loader.Converter().BmpProcessed(), picture);

        rig.Loader.EnterLevel("16");
        QVERIFY(WaitWithEvents([&] { return rig.Loader.LLEVEL() == 16; }, Patience));
        QCOMPARE(rig.LevelsSent, QList<int>{16});
        QImage keyed = rig.Loader.Converter().BmpProcessed();
        QCOMPARE(keyed.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(keyed.pixel(1, 0), qRgb(16, 16, 16));
        QCOMPARE(rig.Loader.DisplayedPicture().pixel(0, 0), qRgb(0, 0, 255));
        QCOMPARE(rig.Loader.findChild<QSlider *>("Slider_Luma")->value(), 16);

        rig.Loader.findChild<QRadioButton *>("Radio_White")->click();
        QCOMPARE(rig.TypesSent, QList<int>{1});
        keyed = rig.Loader.Converter().BmpProcessed();
        QCOMPARE(keyed.pixel(0, 0), qRgb(15, 15, 15));
        QCOMPARE(keyed.pixel(2, 0), qRgb(0, 0, 0));

        rig.Loader.EnterLevel("300");
        QTest::qWait(3 * TLogoFrameLoad::LevelDelayMs);
        QCOMPARE(rig.Loader.LLEVEL(), uint8_t(16));
        // Setting the level from the device's value moves the controls but
        // tells the device nothing.
        rig.Loader.SetLLEVEL(0);
        QCOMPARE(rig.LevelsSent, (QList<int>{16, 16}));
        QCOMPARE(rig.Loader.Converter().BmpProcessed(), picture);
    }

    void theSavedPictureIsTheOneShown_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("bitmap, extension added") << int(pfBitmap) << "out" << "out.bmp";
        QTest::newRow("bitmap, extension replaced") << int(pfBitmap) << "out.jpg" << "out.bmp";
        QTest::newRow("jpeg, upper case kept") << int(pfJpeg) << "out.JPEG" << "out.JPEG";
        QTest::newRow("jpeg, extension replaced") << int(pfJpeg) << "out.bmp" << "out.jpg";
    }
    void theSavedPictureIsTheOneShown()
    {
        QFETCH(int, format);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        LoaderRig rig;
        QImage picture(16, 16, QImage::Format_RGB888);
        picture.fill(qRgb(5, 5, 5));
        rig.Loader.SetLumaKeyColor(QColor(0, 255, 0));
        rig.Loader.SetLLEVEL(10);
        rig.Loader.LoadPicture(rig.Write("a.bmp", picture), false);
        QVERIFY(rig.Loader.SaveDisplayed(rig.Folder.Path(typed), TPictureFormat(format)));
        QImage saved(rig.Folder.Path(written));
        QVERIFY(!saved.isNull());
        const QColor pixel = saved.pixelColor(8, 8);
        QVERIFY(pixel.green() > 250 && pixel.red() < 5 && pixel.blue() < 5);
    }

    void theElapsedTimeReadsMinutesAndSeconds_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("caption");
        QTest::newRow("start") << 0 << "Time elapsed  00:00";
        QTest::newRow("75 s") << 75 << "Time elapsed  01:15";
        QTest::newRow("an hour") << 3600 << "Time elapsed  60:00";
        QTest::newRow("beyond 99 minutes") << 6001 << "Time elapsed  100:01";
    }
    void theElapsedTimeReadsMinutesAndSeconds()
    {
        QFETCH(int, seconds);
        QFETCH(QString, caption);
        QCOMPARE(TLogoFrameLoad::ElapsedCaption(seconds), caption);
    }

    void aThumbnailLoadsWithoutJoiningTheListAgain()
    {
        LoaderRig rig;
        const QString path = rig.Write("a.bmp", Mixed(4, 4));
        rig.Loader.LoadPicture(path, false);
        rig.Loader.LoadPicture(rig.Write("b.bmp", Mixed(3, 3)), false);
        rig.Loader.LoadPicture(path, true);
        QCOMPARE(rig.Loader.CurrentPath(), path);
        QCOMPARE(rig.Loader.History()->Paths().size(), 2);
        QVERIFY(rig.Prompt.asked.isEmpty());
    }
};
MORLIX_TEST(LogoFrameLoadTest)

#include "tst_formlogoframeload.moc"
