#include "TestRegistry.h"
#include "transfer/LogoFrameProcess.h"
#include "transfer/LumaKey.h"

#include <QThread>
#include <QtTest>
#include <memory>

namespace {

QImage OneRow(const std::vector<QRgb> &colors)
{
    QImage picture(int(colors.size()), 1, QImage::Format_RGB888);
    for (size_t x = 0; x < colors.size(); ++x)
        picture.setPixel(int(x), 0, colors[x]);
    return picture;
}

QRgb Grey(int level)
{
    return qRgb(level, level, level);
}

} // namespace

class LumaKeyTest : public QObject
{
    Q_OBJECT
private slots:
    void luma_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("luma");
        QTest::newRow("black") << 0 << 0 << 0 << 0;
        QTest::newRow("white") << 255 << 255 << 255 << 255;
        QTest::newRow("red 76.245") << 255 << 0 << 0 << 76;
        QTest::newRow("green 149.685") << 0 << 255 << 0 << 150;
        QTest::newRow("blue 29.07") << 0 << 0 << 255 << 29;
        QTest::newRow("yellow 225.93") << 255 << 255 << 0 << 226;
        QTest::newRow("mixed 15.756") << 10 << 20 << 9 << 16;
    }

    void luma()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(int, luma);
        QCOMPARE(Luma(red, green, blue), luma);
    }

    void greyKeepsItsLevel()
    {
        // The weights sum to 1 only in exact arithmetic; a grey must still
        // come out as its own level.
        for (int level = 0; level < 256; ++level)
            QCOMPARE(Luma(level, level, level), level);
    }

    void keyedThreshold_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("luma");
        QTest::addColumn<bool>("keyed");
        QTest::newRow("black keys 15") << 16 << int(plBLACK) << 15 << true;
        QTest::newRow("black keeps 16") << 16 << int(plBLACK) << 16 << false;
        QTest::newRow("white keys 240") << 16 << int(plWHITE) << 240 << true;
        QTest::newRow("white keeps 239") << 16 << int(plWHITE) << 239 << false;
        QTest::newRow("level 0 black keeps 0") << 0 << int(plBLACK) << 0 << false;
        QTest::newRow("level 0 white keeps 255") << 0 << int(plWHITE) << 255 << false;
        QTest::newRow("level 255 black keeps 255") << 255 << int(plBLACK) << 255 << false;
        QTest::newRow("level 255 white keys 1") << 255 << int(plWHITE) << 1 << true;
    }

    void keyedThreshold()
    {
        QFETCH(int, level);
        QFETCH(int, type);
        QFETCH(int, luma);
        QFETCH(bool, keyed);
        QCOMPARE(IsKeyed(luma, uint8_t(level), TProcessLLumtype(type)), keyed);
    }

    void applyKeysProcessedAndPreview_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QRgb>("keyedPixel");
        QTest::addColumn<QRgb>("keptPixel");
        QTest::newRow("black") << int(plBLACK) << Grey(15) << Grey(16);
        QTest::newRow("white") << int(plWHITE) << Grey(240) << Grey(239);
    }

    void applyKeysProcessedAndPreview()
    {
        QFETCH(int, type);
        QFETCH(QRgb, keyedPixel);
        QFETCH(QRgb, keptPixel);
        const QRgb keyColor = qRgb(0, 255, 0);
        TLogoFrameProcess process;
        process.SetBmpLoad(OneRow({keyedPixel, keptPixel}));
        process.SetLLEVEL(16);
        process.SetLLUMTYPE(TProcessLLumtype(type));
        process.SetLumaKeyColor(keyColor);
        process.ApplyLumaKey();
        const QImage processed = process.BmpProcessed();
        const QImage preview = process.Preview();
        QCOMPARE(processed.format(), QImage::Format_RGB888);
        QCOMPARE(processed.size(), QSize(2, 1));
        QCOMPARE(processed.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(processed.pixel(1, 0), keptPixel);
        QCOMPARE(preview.pixel(0, 0), keyColor);
        QCOMPARE(preview.pixel(1, 0), keptPixel);
        QCOMPARE(process.BmpLoad().pixel(0, 0), keyedPixel);
    }

    void rekeyingStartsFromTheLoadedPicture()
    {
        TLogoFrameProcess process;
        process.SetBmpLoad(OneRow({Grey(100)}));
        process.SetLLEVEL(200);
        process.ApplyLumaKey();
        QCOMPARE(process.BmpProcessed().pixel(0, 0), qRgb(0, 0, 0));
        process.SetLLEVEL(50);
        process.ApplyLumaKey();
        QCOMPARE(process.BmpProcessed().pixel(0, 0), Grey(100));
    }

    void nonRgbSourceIsConverted()
    {
        QImage argb(1, 1, QImage::Format_ARGB32);
        argb.fill(qRgba(10, 20, 30, 255));
        TLogoFrameProcess process;
        process.SetBmpLoad(argb);
        process.ApplyLumaKey();
        QCOMPARE(process.BmpProcessed().format(), QImage::Format_RGB888);
        QCOMPARE(process.BmpProcessed().pixel(0, 0), qRgb(10, 20, 30));
    }

    void keyingWaitsForTheTransferLock()
    {
        TLogoFrameProcess process;
        process.SetBmpLoad(OneRow({Grey(0)}));
        process.SetLLEVEL(1);
        std::unique_ptr<QThread> keying;
        {
            auto access = process.LockProcessed();
            keying.reset(QThread::create([&process] { process.ApplyLumaKey(); }));
            keying->start();
            // Whatever the machine's speed, the keying cannot end while the lock is held.
            QVERIFY(!keying->wait(50));
            QVERIFY(access.Picture().isNull());
        }
        QVERIFY(keying->wait(10000));
        QCOMPARE(process.BmpProcessed().pixel(0, 0), qRgb(0, 0, 0));
    }
};

MORLIX_TEST(LumaKeyTest)
#include "tst_lumakey.moc"
