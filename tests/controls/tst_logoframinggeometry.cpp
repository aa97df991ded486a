#include "TestRegistry.h"
#include "controls/LogoFramingGeometry.h"

#include <QtTest>

Q_DECLARE_METATYPE(TCaptureRegion)
Q_DECLARE_METATYPE(TFORCEMismatchx)

class LogoFramingGeometryTest : public QObject
{
    Q_OBJECT
private slots:
    void paintAreaSize_data()
    {
        QTest::addColumn<int>("outputWidth");
        QTest::addColumn<int>("outputHeight");
        QTest::addColumn<QSize>("expected"); // previous size 111 x 255
        QTest::newRow("16:9") << 1920 << 1080 << QSize(453, 255);
        QTest::newRow("16 by 9 as placed") << 16 << 9 << QSize(453, 255);
        QTest::newRow("5:4 near 1.33") << 1280 << 1024 << QSize(340, 255);
        QTest::newRow("4:3") << 1024 << 768 << QSize(340, 255);
        QTest::newRow("1.45 past the 1.33 row") << 1450 << 1000 << QSize(382, 255);
        QTest::newRow("3:1") << 3000 << 1000 << QSize(765, 255);
        QTest::newRow("16:10 unknown keeps") << 1920 << 1200 << QSize(111, 255);
        QTest::newRow("no ratio") << 0 << 0 << QSize(255, 255);
        QTest::newRow("no height") << 1920 << 0 << QSize(255, 255);
        QTest::newRow("very narrow") << 1 << 10000 << QSize(255, 255);
    }
    void paintAreaSize()
    {
        QFETCH(int, outputWidth);
        QFETCH(int, outputHeight);
        QTEST(LogoPaintAreaSize(uint16_t(outputWidth), uint16_t(outputHeight), QSize(111, 255)), "expected");
    }

    void conversions()
    {
        QCOMPARE(ScaleToPixels(128, 453), 227);
        QCOMPARE(ScaleToPixels(255, 453), 453);
        QCOMPARE(PixelsToScale(453, 453), 255u);
        QCOMPARE(PixelsToScale(-20, 453), 0u);
        QCOMPARE(PixelsToScale(10, 0), 0u);
        QCOMPARE(LogoStartForPos(255, 453, 91), 362);
        QCOMPARE(LogoPosForStart(362, 453, 91), 255u);
        QCOMPARE(LogoPosForStart(500, 453, 91), 255u);
        QCOMPARE(LogoPosForStart(-5, 453, 91), 0u);
        QCOMPARE(LogoPosForStart(100, 453, 453), 0u); // as wide as the picture
        QCOMPARE(LogoPosForStart(100, 453, 500), 0u); // wider than the picture
    }

    void captureRegions_data()
    {
        // capture at (100, 50), 200 x 100: the bands start at x 250 and y 125
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<TCaptureRegion>("region");
        QTest::newRow("top-left grip") << QPoint(95, 45) << TCaptureRegion::TopLeftGrip;
        QTest::newRow("move area") << QPoint(200, 100) << TCaptureRegion::Move;
        QTest::newRow("width band") << QPoint(260, 100) << TCaptureRegion::Width;
        QTest::newRow("width band right of it") << QPoint(400, 100) << TCaptureRegion::Width;
        QTest::newRow("height band") << QPoint(200, 140) << TCaptureRegion::Height;
        QTest::newRow("corner grip") << QPoint(308, 158) << TCaptureRegion::Corner;
        QTest::newRow("above") << QPoint(200, 20) << TCaptureRegion::None;
        QTest::newRow("bottom-right quarter") << QPoint(270, 135) << TCaptureRegion::None;
    }
    void captureRegions()
    {
        QFETCH(QPoint, pointer);
        QTEST(CaptureRegionAt(pointer, TCadrageBox{100, 50, 200, 100}), "region");
    }

    void logoRegions()
    {
        const TCadrageBox logo{10, 10, 50, 40};
        QVERIFY(InsideLogo(QPoint(30, 30), logo));
        QVERIFY(!InsideLogo(QPoint(56, 30), logo)); // within the 5-pixel inner margin
        QVERIFY(!InsideLogo(QPoint(10, 30), logo));
        QVERIFY(NearLogoGrip(QPoint(4, 4), logo));
        QVERIFY(!NearLogoGrip(QPoint(2, 10), logo));
    }

    void mismatch_data()
    {
        QTest::addColumn<TFORCEMismatchx>("force");
        QTest::addColumn<int>("logoWidth");
        QTest::addColumn<int>("logoHeight");
        QTest::addColumn<bool>("expected"); // output 1024 x 768
        QTest::newRow("fits") << _FMIDontCare << 1024 << 768 << false;
        QTest::newRow("too wide") << _FMIDontCare << 1025 << 10 << true;
        QTest::newRow("too high") << _FMIDontCare << 10 << 769 << true;
        QTest::newRow("forced on") << _FMMismatch << 10 << 10 << true;
        QTest::newRow("forced off") << _FMNoMismatch << 2000 << 2000 << false;
    }
    void mismatch()
    {
        QFETCH(TFORCEMismatchx, force);
        QFETCH(int, logoWidth);
        QFETCH(int, logoHeight);
        QTEST(LogoMismatch(force, 1024, 768, uint16_t(logoWidth), uint16_t(logoHeight)), "expected");
    }
};

MORLIX_TEST(LogoFramingGeometryTest)
#include "tst_logoframinggeometry.moc"
