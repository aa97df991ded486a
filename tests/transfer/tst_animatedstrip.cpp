#include "GifBuilder.h"
#include "TestFolder.h"
#include "TestRegistry.h"
#include "transfer/GifDecoder.h"
#include "transfer/LogoFrameProcess.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb VisibleBlack = qRgb(1, 1, 1);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Key = qRgb(255, 0, 255); // the transparent colour

// Palette indices of the fixtures.
enum : uint8_t { iRed, iGreen, iBlue, iKey, iBlack };

TTestGif Screen(int width, int height)
{
    TTestGif gif;
    gif.Width = width;
    gif.Height = height;
    gif.BackgroundIndex = iBlue;
    gif.Palette = {Red, Green, Blue, Key, Black};
    return gif;
}

TGifImage Decoded(const TTestGif &gif)
{
    TDecoded<TGifImage> decoded = DecodeGif(EncodeGif(gif));
    if (!decoded.Ok())
        qFatal("fixture GIF not decodable: %s", qPrintable(decoded.Error));
    return std::move(decoded.Value);
}

struct TStripRun
{
    bool Fits = false;
    QImage Strip;
    int Frames = 0;
    int Level = -1;
    int LevelEvents = 0;
    QString Message;
    bool Processing = false;
};

TStripRun BuildStrip(const TTestGif &gif)
{
    TLogoFrameProcess process;
    process.SetLLEVEL(77);
    QSignalSpy levelEvents(&process, &TLogoFrameProcess::OnLLEVELEvent);
    process.SetGIF(Decoded(gif));
    TStripRun run;
    run.Fits = process.BuildAnimatedStrip();
    run.Strip = process.BmpProcessed();
    run.Frames = process.GIFNbImages();
    run.Level = process.LLEVEL();
    run.LevelEvents = int(levelEvents.count());
    run.Message = process.LastMessage();
    run.Processing = process.PROCESSING();
    return run;
}

} // namespace

class AnimatedStripTest : public QObject
{
    Q_OBJECT
private slots:
    void opaqueGifKeepsPixelsAndLiftsBlack()
    {
        TTestGif gif = Screen(2, 1);
        TTestGifFrame frame = SolidFrame(0, 0, 2, 1, iRed);
        frame.Indices = {iRed, iBlack};
        gif.Frames.push_back(frame);
        const TStripRun run = BuildStrip(gif);
        QVERIFY(run.Fits);
        QVERIFY(run.Processing);
        QCOMPARE(run.Level, 0);
        QCOMPARE(run.LevelEvents, 1);
        QCOMPARE(run.Strip.format(), QImage::Format_RGB888);
        QCOMPARE(run.Strip.pixel(0, 0), Red);
        QCOMPARE(run.Strip.pixel(1, 0), VisibleBlack);
    }

    void framesOfDifferentSizes()
    {
        TTestGif gif = Screen(10, 10);
        gif.Frames.push_back(SolidFrame(0, 0, 6, 2, iRed));
        gif.Frames.push_back(SolidFrame(0, 0, 3, 5, iGreen));
        gif.Frames.push_back(SolidFrame(0, 0, 4, 4, iRed));
        const TStripRun run = BuildStrip(gif);
        QCOMPARE(run.Frames, 3);
        QCOMPARE(run.Strip.size(), QSize(6, 15));
    }

    // Frame 0 covers a 4 x 4 screen in red; frame 1 is 2 x 2 at (1, 1):
    // green, with its top-left pixel transparent.
    void disposalMethods_data()
    {
        QTest::addColumn<int>("disposal");
        QTest::addColumn<QRgb>("outside");
        QTest::addColumn<QRgb>("seeThrough");
        QTest::newRow("unspecified keeps previous") << 0 << Red << Red;
        QTest::newRow("keep") << 1 << Red << Red;
        QTest::newRow("background") << 2 << Blue << Black;
        QTest::newRow("previous") << 3 << Blue << Black;
    }

    void disposalMethods()
    {
        QFETCH(int, disposal);
        QFETCH(QRgb, outside);
        QFETCH(QRgb, seeThrough);
        TTestGif gif = Screen(4, 4);
        gif.Frames.push_back(SolidFrame(0, 0, 4, 4, iRed));
        TTestGifFrame second = SolidFrame(1, 1, 2, 2, iGreen, disposal);
        second.Indices[0] = iKey;
        second.TransparentIndex = iKey;
        gif.Frames.push_back(second);
        const TStripRun run = BuildStrip(gif);
        QVERIFY(run.Fits);
        QCOMPARE(run.Level, 1);
        QCOMPARE(run.Strip.size(), QSize(4, 8));
        QCOMPARE(run.Strip.pixel(0, 0), Red);
        QCOMPARE(run.Strip.pixel(0, 4), outside);
        QCOMPARE(run.Strip.pixel(1, 5), seeThrough);
        QCOMPARE(run.Strip.pixel(2, 6), Green);
    }

    void transparentPixelsOfTheFirstFrameAreBlack()
    {
        TTestGif gif = Screen(2, 1);
        TTestGifFrame frame = SolidFrame(0, 0, 2, 1, iKey);
        frame.Indices = {iKey, iGreen};
        frame.TransparentIndex = iKey;
        gif.Frames.push_back(frame);
        const TStripRun run = BuildStrip(gif);
        QCOMPARE(run.Strip.pixel(0, 0), Black);
        QCOMPARE(run.Strip.pixel(1, 0), Green);
    }

    void emptyFramesAreSkipped()
    {
        TTestGif gif = Screen(2, 2);
        gif.Frames.push_back(SolidFrame(0, 0, 2, 2, iRed));
        gif.Frames.push_back(SolidFrame(0, 0, 0, 0, iRed));
        gif.Frames.push_back(SolidFrame(0, 0, 2, 2, iGreen, 2));
        const TStripRun run = BuildStrip(gif);
        QCOMPARE(run.Frames, 2);
        QCOMPARE(run.Strip.size(), QSize(2, 4));
        // The last real frame is not lost to the empty one.
        QCOMPARE(run.Strip.pixel(1, 3), Green);
    }

    void framePlacedBeyondTheSlotIsCut()
    {
        // Frames are only 2 x 2 but sit anywhere on a 6 x 6 screen: the
        // slot is 2 x 2 and the part of a frame outside it is dropped.
        TTestGif gif = Screen(6, 6);
        gif.Frames.push_back(SolidFrame(0, 0, 2, 2, iRed));
        gif.Frames.push_back(SolidFrame(1, 1, 2, 2, iGreen, 1));
        gif.Frames.push_back(SolidFrame(4, 4, 2, 2, iGreen, 3));
        const TStripRun run = BuildStrip(gif);
        QVERIFY(run.Fits);
        QCOMPARE(run.Strip.size(), QSize(2, 6));
        QCOMPARE(run.Strip.pixel(0, 2), Red);
        QCOMPARE(run.Strip.pixel(1, 3), Green);
        QCOMPARE(run.Strip.pixel(1, 5), Blue);
    }

    void oversizedAnimation_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("message");
        QTest::newRow("256 frames") << 256 << "Animated logo exceed maximum frames number";
        QTest::newRow("270 frames") << 270 << "Picture exceed animated logo size";
    }

    void oversizedAnimation()
    {
        QFETCH(int, frames);
        QFETCH(QString, message);
        TTestGif gif = Screen(100, 100);
        gif.Frames.assign(size_t(frames), SolidFrame(0, 0, 100, 100, iRed));
        const TStripRun run = BuildStrip(gif);
        QVERIFY(!run.Fits);
        QCOMPARE(run.Message, message);
        QCOMPARE(run.Frames, frames);
        QVERIFY(!run.Processing);
        QVERIFY(run.Strip.isNull());
    }

    // Where the strip and ordinary GIF compositing agree (opaque frames kept
    // in place), the slots must equal ImageMagick's coalesced frames.
    void matchesCoalescedFrames()
    {
        const QString convert = QStandardPaths::findExecutable("convert");
        if (convert.isEmpty())
            QSKIP("ImageMagick's convert is not on PATH");
        TTestGif gif = Screen(12, 8);
        TTestGifFrame first = SolidFrame(0, 0, 12, 8, iRed, 1);
        for (size_t i = 0; i < first.Indices.size(); ++i)
            first.Indices[i] = uint8_t(i % 3);
        gif.Frames.push_back(first);
        gif.Frames.push_back(SolidFrame(2, 1, 5, 3, iGreen, 1));
        gif.Frames.push_back(SolidFrame(6, 4, 6, 4, iBlue, 1));
        TTestGifFrame last = SolidFrame(0, 6, 12, 2, iRed, 1);
        last.Indices[3] = iKey;
        gif.Frames.push_back(last);

        TTestFolder folder;
        const QString input = folder.Write("anim.gif", EncodeGif(gif));
        QVERIFY(!input.isEmpty());
        const QString output = folder.Path("coalesced.ppm");
        QProcess process;
        process.start(convert, {input, "-coalesce", "-append", output});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QImage expected(output);
        QVERIFY(!expected.isNull());

        const TStripRun run = BuildStrip(gif);
        QVERIFY(run.Fits);
        QCOMPARE(run.Strip.size(), expected.size());
        QCOMPARE(run.Strip.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    }
};

MORLIX_TEST(AnimatedStripTest)
#include "tst_animatedstrip.moc"
