#include "TestRegistry.h"
#include "controls/CadrageGeometry.h"
#include "controls/CadrageHitTest.h"
#include "controls/CadrageTransition.h"

#include <QtTest>

Q_DECLARE_METATYPE(TCadrageAxisValues)
Q_DECLARE_METATYPE(TCadrageMode)
Q_DECLARE_METATYPE(TCadrageBox)

namespace {

TCadrageAxisValues Axis(int imagePos, int imageSize, int zoomPos, int zoomSize, int outputSize = 0,
                        int windowSize = 0)
{
    return {imagePos, imageSize, zoomPos, zoomSize, outputSize, windowSize};
}

// A 300-pixel axis with the image rectangle over all of it and a zoom half as long.
const TCadrageAxisValues FullImageHalfZoom = Axis(0, 1000, 85, 50);

} // namespace

class CadrageGeometryTest : public QObject
{
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<TCadrageAxisValues>("values");
        QTest::addColumn<bool>("pixelUnits");
        QTest::addColumn<int>("imageStart");
        QTest::addColumn<int>("imageLength");
        QTest::addColumn<int>("zoomStart");
        QTest::addColumn<int>("zoomLength");
        // extent 300 throughout, previous zoom start 42
        QTest::newRow("1000 fills the control") << Axis(0, 1000, 0, 0) << false << 0 << 300 << 0 << 0;
        QTest::newRow("500 behaves as 1000") << Axis(0, 500, 0, 0) << false << 0 << 300 << 0 << 0;
        QTest::newRow("2000 halves, 255 right") << Axis(255, 2000, 0, 0) << false << 150 << 150 << 150 << 0;
        QTest::newRow("127 about the middle") << Axis(127, 2000, 0, 0) << false << 75 << 150 << 75 << 0;
        QTest::newRow("zoom 0 just left of image") << Axis(0, 1000, 0, 50) << false << 0 << 300 << -150 << 150;
        QTest::newRow("zoom 255 just right of image") << Axis(0, 1000, 255, 50) << false << 0 << 300 << 300 << 150;
        QTest::newRow("zoom 128 rounds once") << Axis(0, 1000, 128, 50) << false << 0 << 300 << 76 << 150;
        QTest::newRow("pixel 127 puts edges together") << Axis(0, 1000, 127, 50, 100, 50) << true << 0 << 300 << 0 << 150;
        QTest::newRow("pixel offset") << Axis(0, 1000, 137, 50, 100, 50) << true << 0 << 300 << 30 << 150;
        QTest::newRow("pixel without sizes keeps place") << Axis(0, 1000, 200, 50, 0, 0) << true << 0 << 300 << 42 << 150;
    }
    void layout()
    {
        QFETCH(TCadrageAxisValues, values);
        QFETCH(bool, pixelUnits);
        const TCadrageAxisLayout layout = LayoutCadrageAxis(values, pixelUnits, 300, 42);
        QTEST(layout.image.start, "imageStart");
        QTEST(layout.image.length, "imageLength");
        QTEST(layout.zoom.start, "zoomStart");
        QTEST(layout.zoom.length, "zoomLength");
    }

    void positionFromStart_data()
    {
        QTest::addColumn<TCadrageAxisValues>("values");
        QTest::addColumn<bool>("pixelUnits");
        QTest::addColumn<int>("extent");
        QTest::addColumn<int>("zoomStart");
        QTest::addColumn<int>("expected"); // -1: no value
        QTest::newRow("left limit") << FullImageHalfZoom << false << 300 << -150 << 0;
        QTest::newRow("right limit") << FullImageHalfZoom << false << 300 << 300 << 255;
        QTest::newRow("beyond right clamps") << FullImageHalfZoom << false << 300 << 900 << 255;
        QTest::newRow("beyond left clamps") << FullImageHalfZoom << false << 300 << -900 << 0;
        QTest::newRow("middle") << FullImageHalfZoom << false << 300 << 75 << 128; // 127.5 to even
        QTest::newRow("pixel offset") << Axis(0, 1000, 0, 50, 100, 50) << true << 300 << 30 << 137;
        QTest::newRow("pixel without sizes") << Axis(0, 1000, 0, 50, 0, 0) << true << 300 << 30 << -1;
        QTest::newRow("no travel") << FullImageHalfZoom << false << 0 << 0 << -1;
    }
    void positionFromStart()
    {
        QFETCH(TCadrageAxisValues, values);
        QFETCH(bool, pixelUnits);
        QFETCH(int, extent);
        QFETCH(int, zoomStart);
        QFETCH(int, expected);
        const auto layout = LayoutCadrageAxis(values, pixelUnits, extent, 0);
        QCOMPARE(ZoomPosForStart(zoomStart, layout, values, pixelUnits).value_or(-1), expected);
    }

    void sizeFromEdge_data()
    {
        QTest::addColumn<TCadrageAxisValues>("values");
        QTest::addColumn<bool>("pixelUnits");
        QTest::addColumn<bool>("leading");
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("expected"); // -1: no value
        // FullImageHalfZoom lies at 0..150 with position 85.
        QTest::newRow("trailing edge out") << FullImageHalfZoom << false << false << 210 << 110;
        QTest::newRow("leading edge out") << FullImageHalfZoom << false << true << -60 << 80;
        QTest::newRow("crossing gives 0") << FullImageHalfZoom << false << false << -100 << 0;
        QTest::newRow("trailing at position 0") << Axis(0, 1000, 0, 50) << false << false << 200 << -1;
        QTest::newRow("leading at position 255") << Axis(0, 1000, 255, 50) << false << true << 200 << -1;
        QTest::newRow("pixel trailing keeps start") << Axis(0, 1000, 127, 50, 100, 50) << true << false << 300 << 100;
        QTest::newRow("pixel leading keeps end") << Axis(0, 1000, 127, 50, 100, 50) << true << true << -150 << 100;
        QTest::newRow("pixel empty zoom") << Axis(0, 1000, 127, 0, 100, 50) << true << false << 300 << -1;
    }
    void sizeFromEdge()
    {
        QFETCH(TCadrageAxisValues, values);
        QFETCH(bool, pixelUnits);
        QFETCH(bool, leading);
        QFETCH(int, edge);
        QFETCH(int, expected);
        const auto layout = LayoutCadrageAxis(values, pixelUnits, 300, 0);
        QCOMPARE(ZoomSizeForEdge(edge, leading, layout, values, pixelUnits).value_or(-1), expected);
    }

    void cornerSizes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("maximumTenths");
        QTest::addColumn<int>("expectedWidth"); // -1: refused
        QTest::addColumn<int>("expectedHeight");
        QTest::newRow("keeps ratio") << 60 << 1.5 << 5000 << 60 << 40;
        QTest::newRow("width cut to maximum") << 600 << 1.0 << 5000 << 500 << 500;
        QTest::newRow("height cut to maximum") << 400 << 0.5 << 5000 << 250 << 500;
        QTest::newRow("zero width refused") << 0 << 1.0 << 5000 << -1 << -1;
        QTest::newRow("no ratio refused") << 60 << 0.0 << 5000 << -1 << -1;
    }
    void cornerSizes()
    {
        QFETCH(int, width);
        QFETCH(double, ratio);
        QFETCH(int, maximumTenths);
        const auto sizes = ZoomSizesForCorner(width, ratio, maximumTenths);
        QTEST(sizes ? sizes->first : -1, "expectedWidth");
        QTEST(sizes ? sizes->second : -1, "expectedHeight");
    }

    void transitionFrames()
    {
        const TCadrageBox image{0, 0, 240, 120};
        const TCadrageBox zoom{60, 30, 120, 60};
        const auto off = CadrageTransitionFrames(image, zoom, false);
        QCOMPARE(int(off.size()), CadrageTransitionSteps + 1);
        QCOMPARE(off.front(), zoom);
        // steps 5, 2 (2.5 to even), 5, 2
        QCOMPARE(off.back(), (TCadrageBox{0, 6, 240, 108}));
        const auto on = CadrageTransitionFrames(image, zoom, true);
        QCOMPARE(on.front(), image);
        QCOMPARE(on.back(), (TCadrageBox{60, 24, 120, 72}));
    }
};

class CadrageHitTestTest : public QObject
{
    Q_OBJECT
private:
    const TCadrageBox image{0, 0, 300, 200};
    const TCadrageBox zoom{100, 50, 100, 80}; // right 200, bottom 130

private slots:
    void modeAndGrab_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<TCadrageMode>("mode");
        QTest::addColumn<QPoint>("grab");
        QTest::newRow("inside") << QPoint(150, 90) << TCadrageMode::Move << QPoint(50, 40);
        QTest::newRow("left edge") << QPoint(100, 90) << TCadrageMode::LeftEdge << QPoint(0, 0);
        QTest::newRow("left band beats inside") << QPoint(104, 90) << TCadrageMode::LeftEdge << QPoint(4, 0);
        QTest::newRow("right edge") << QPoint(202, 90) << TCadrageMode::RightEdge << QPoint(2, 0);
        QTest::newRow("top edge") << QPoint(150, 52) << TCadrageMode::TopEdge << QPoint(0, 2);
        QTest::newRow("bottom edge") << QPoint(150, 128) << TCadrageMode::BottomEdge << QPoint(0, -2);
        QTest::newRow("top-left corner") << QPoint(103, 53) << TCadrageMode::TopLeftCorner << QPoint(3, 0);
        QTest::newRow("top-right corner") << QPoint(200, 50) << TCadrageMode::TopRightCorner << QPoint(0, 0);
        QTest::newRow("bottom-left corner") << QPoint(100, 131) << TCadrageMode::BottomLeftCorner << QPoint(0, 0);
        QTest::newRow("bottom-right corner") << QPoint(199, 129) << TCadrageMode::BottomRightCorner << QPoint(-1, 0);
        QTest::newRow("outside") << QPoint(20, 90) << TCadrageMode::None << QPoint(0, 0);
    }
    void modeAndGrab()
    {
        QFETCH(QPoint, pointer);
        TCadrageHitTest hit;
        hit.Hover(pointer, image, zoom, true);
        QTEST(hit.Mode(), "mode");
        QTEST(hit.Grab(), "grab");
        QVERIFY(!hit.ZoomPreference());
    }

    void imageEdgesDisambiguate_data()
    {
        QTest::addColumn<TCadrageBox>("zoomBox");
        QTest::addColumn<bool>("imageEdgesTakePart");
        QTest::addColumn<TCadrageMode>("mode");
        QTest::addColumn<bool>("preference");
        // pointer (1, 90), on the image's left edge
        QTest::newRow("same side wins") << TCadrageBox{0, 50, 100, 80} << true << TCadrageMode::LeftEdge << true;
        QTest::newRow("other side blocked") << TCadrageBox{-100, 50, 102, 80} << true << TCadrageMode::None << false;
        QTest::newRow("ignored when off") << TCadrageBox{-100, 50, 102, 80} << false << TCadrageMode::RightEdge << false;
    }
    void imageEdgesDisambiguate()
    {
        QFETCH(TCadrageBox, zoomBox);
        QFETCH(bool, imageEdgesTakePart);
        TCadrageHitTest hit;
        hit.Hover(QPoint(1, 90), image, zoomBox, imageEdgesTakePart);
        QTEST(hit.Mode(), "mode");
        QTEST(hit.ZoomPreference(), "preference");
    }

    void preferenceLetsZoomEdgeThrough()
    {
        TCadrageHitTest hit;
        hit.SetZoomPreference(true);
        hit.Hover(QPoint(1, 90), image, TCadrageBox{-100, 50, 102, 80}, true);
        QCOMPARE(hit.Mode(), TCadrageMode::RightEdge);
    }

    void imageCornerKeepsPreviousMode()
    {
        TCadrageHitTest hit;
        hit.Hover(QPoint(150, 90), image, zoom, true);
        QCOMPARE(hit.Mode(), TCadrageMode::Move);
        hit.Hover(QPoint(1, 1), image, zoom, true);
        QCOMPARE(hit.Mode(), TCadrageMode::Move);
        QCOMPARE(hit.Grab(), QPoint(50, 40));
        hit.SetZoomPreference(true);
        hit.Hover(QPoint(299, 199), image, zoom, true);
        QCOMPARE(hit.Mode(), TCadrageMode::BottomRightCorner);
    }
};

MORLIX_TEST(CadrageGeometryTest)
MORLIX_TEST(CadrageHitTestTest)
#include "tst_cadragegeometry.moc"
