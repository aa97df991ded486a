#include "GifBuilder.h"
#include "TestRegistry.h"
#include "transfer/GifDecoder.h"

#include <QtTest>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);

TTestGif TwoFrameGif()
{
    TTestGif gif;
    gif.Width = 8;
    gif.Height = 6;
    gif.BackgroundIndex = 2;
    gif.Palette = {Red, Green, Blue};
    gif.Frames.push_back(SolidFrame(0, 0, 8, 6, 0, 1));
    TTestGifFrame second = SolidFrame(2, 1, 3, 4, 1, 2);
    second.TransparentIndex = 1;
    second.DelayCs = 25;
    second.LocalPalette = {Blue, qRgb(9, 9, 9)};
    gif.Frames.push_back(second);
    return gif;
}

} // namespace

class GifDecoderTest : public QObject
{
    Q_OBJECT
private slots:
    void decodesFramesWithTheirSettings()
    {
        const TDecoded<TGifImage> decoded = DecodeGif(EncodeGif(TwoFrameGif()));
        QVERIFY2(decoded.Ok(), qPrintable(decoded.Error));
        const TGifImage &gif = decoded.Value;
        QCOMPARE(gif.ScreenWidth, 8);
        QCOMPARE(gif.ScreenHeight, 6);
        QCOMPARE(gif.Background, Blue);
        QCOMPARE(int(gif.Frames.size()), 2);
        const TGifFrame &first = gif.Frames[0];
        QCOMPARE(first.Disposal, int(TGifFrame::dmKeep));
        QVERIFY(!first.HasMask());
        QCOMPARE(first.ColorAt(7, 5), Red);
        const TGifFrame &second = gif.Frames[1];
        QCOMPARE(QRect(second.Left, second.Top, second.Width, second.Height), QRect(2, 1, 3, 4));
        QCOMPARE(second.Disposal, int(TGifFrame::dmBackground));
        QCOMPARE(second.DelayCs, 25);
        QCOMPARE(second.TransparentColor(), qRgb(9, 9, 9));
        QVERIFY(second.MaskAt(0, 0));
        QVERIFY(gif.IsTransparent());
    }

    void interlacedRowsLandInPlace()
    {
        TTestGif gif;
        gif.Width = 1;
        gif.Height = 10;
        gif.Palette = {Red, Green, Blue, qRgb(1, 2, 3)};
        TTestGifFrame frame = SolidFrame(0, 0, 1, 10, 0);
        frame.Interlaced = true;
        for (int y = 0; y < 10; ++y)
            frame.Indices[size_t(y)] = uint8_t(y % 4);
        gif.Frames.push_back(frame);
        const TDecoded<TGifImage> decoded = DecodeGif(EncodeGif(gif));
        QVERIFY2(decoded.Ok(), qPrintable(decoded.Error));
        for (int y = 0; y < 10; ++y)
            QCOMPARE(int(decoded.Value.Frames[0].IndexAt(0, y)), y % 4);
    }

    void keepsEmptyFramesInTheList()
    {
        TTestGif gif = TwoFrameGif();
        gif.Frames.insert(gif.Frames.begin() + 1, SolidFrame(0, 0, 0, 0, 0));
        const TDecoded<TGifImage> decoded = DecodeGif(EncodeGif(gif));
        QVERIFY2(decoded.Ok(), qPrintable(decoded.Error));
        QCOMPARE(int(decoded.Value.Frames.size()), 3);
        QVERIFY(decoded.Value.Frames[1].IsEmpty());
        QCOMPARE(decoded.Value.Frames[2].DelayCs, 25);
    }

    void refusesDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = EncodeGif(TwoFrameGif());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a gif") << QByteArray("BM this is not a GIF at all");
        QTest::newRow("header only") << good.left(13);
        QTest::newRow("cut in first image") << good.left(good.size() / 2);
        QTest::newRow("cut before trailer") << good.left(good.size() - 1);
        QByteArray outside = good;
        PatchGifScreen(outside, 4, 6); // the first frame is 8 wide
        QTest::newRow("frame outside screen") << outside;
        QByteArray zero = good;
        PatchGifScreen(zero, 0, 0);
        QTest::newRow("zero screen") << zero;
        QByteArray huge = good;
        PatchGifScreen(huge, 60000, 60000);
        QTest::newRow("60000 x 60000 screen") << huge;
        TTestGif noImage = TwoFrameGif();
        noImage.Frames = {SolidFrame(0, 0, 0, 0, 0)};
        QTest::newRow("only an empty image") << EncodeGif(noImage);
    }

    void refusesDamagedFiles()
    {
        QFETCH(QByteArray, data);
        const TDecoded<TGifImage> decoded = DecodeGif(data);
        QVERIFY(!decoded.Ok());
        QVERIFY(decoded.Value.Frames.empty());
    }

    void indexBeyondPaletteReadsBlack()
    {
        // A 2-colour table with pixel values up to 3 written by the encoder.
        TTestGif gif;
        gif.Width = 2;
        gif.Height = 1;
        gif.Palette = {Red, Green};
        TTestGifFrame frame = SolidFrame(0, 0, 2, 1, 0);
        frame.Indices = {0, 1};
        gif.Frames.push_back(frame);
        const TDecoded<TGifImage> decoded = DecodeGif(EncodeGif(gif));
        QVERIFY(decoded.Ok());
        QCOMPARE(decoded.Value.Frames[0].Palette[200], qRgb(0, 0, 0));
    }
};

MORLIX_TEST(GifDecoderTest)
#include "tst_gifdecoder.moc"
