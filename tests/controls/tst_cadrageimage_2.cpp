#include "TestRegistry.h"
#include "MouseMoves.h"
#include "controls/CadrageImage_2.h"

#include <QtTest>

Q_DECLARE_METATYPE(Qt::CursorShape)

namespace {

// A 301 x 201 control: the image fills it (300 x 200 pixels of travel) and
// the zoom, half as large at position 128, lies at (76, 51) to (226, 151).
struct Fixture {
    TCadrageImage_2 control;
    QList<QString> events;

    Fixture()
    {
        control.resize(301, 201);
        control.SetIMAGE_HSize(1000);
        control.SetIMAGE_VSize(1000);
        control.SetZoom_HSize(50);
        control.SetZoom_VSize(50);
        control.SetZoom_HPos(128);
        control.SetZoom_VPos(128);
        auto record = [this](const char *name) { return [this, name](QObject *) { events << name; }; };
        control.SetOnZoom_HPos(record("HPos"));
        control.SetOnZoom_VPos(record("VPos"));
        control.SetOnZoom_HSize(record("HSize"));
        control.SetOnZoom_VSize(record("VSize"));
        control.SetOnMouseUpChange(record("MouseUp"));
        control.SetOnDoubleClick(record("DoubleClick"));
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
    }

    void Hover(QPoint p) { SendMouseMove(&control, p); }

    // Hover to pick the mode, press there, then move with the left button held.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Hover(from);
        QTest::mousePress(&control, Qt::LeftButton, modifiers, from);
        SendMouseMove(&control, to, Qt::LeftButton, modifiers);
    }
};

} // namespace

class CadrageImage_2Test : public QObject
{
    Q_OBJECT
private slots:
    void fixtureGeometry()
    {
        Fixture f;
        QCOMPARE(f.control.ImageBox(), (TCadrageBox{0, 0, 300, 200}));
        QCOMPARE(f.control.ZoomBox(), (TCadrageBox{76, 51, 150, 100}));
    }

    void hoverCursor_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<Qt::CursorShape>("cursor");
        QTest::newRow("inside") << QPoint(150, 100) << Qt::PointingHandCursor;
        QTest::newRow("left edge") << QPoint(76, 100) << Qt::SizeHorCursor;
        QTest::newRow("bottom edge") << QPoint(150, 151) << Qt::SizeVerCursor;
        QTest::newRow("top-left corner") << QPoint(76, 51) << Qt::SizeFDiagCursor;
        QTest::newRow("top-right corner") << QPoint(226, 51) << Qt::SizeBDiagCursor;
        QTest::newRow("outside") << QPoint(20, 20) << Qt::ArrowCursor;
    }
    void hoverCursor()
    {
        QFETCH(QPoint, pointer);
        Fixture f;
        f.Hover(pointer);
        QTEST(f.control.cursor().shape(), "cursor");
    }

    void gestures_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QList<int>>("values"); // HPos, VPos, HSize, VSize afterwards
        QTest::newRow("move right") << QPoint(150, 100) << QPoint(160, 100) << QStringList{"HPos"}
                                    << QList<int>{134, 128, 50, 50};
        QTest::newRow("right edge") << QPoint(226, 100) << QPoint(256, 100) << QStringList{"HSize"}
                                    << QList<int>{128, 128, 70, 50};
        QTest::newRow("bottom edge") << QPoint(150, 151) << QPoint(150, 171) << QStringList{"VSize"}
                                     << QList<int>{128, 128, 50, 70};
        QTest::newRow("corner keeps ratio") << QPoint(226, 151) << QPoint(256, 200)
                                            << QStringList{"HSize", "VSize"} << QList<int>{128, 128, 70, 70};
        QTest::newRow("no mode, no event") << QPoint(10, 10) << QPoint(150, 100) << QStringList{}
                                           << QList<int>{128, 128, 50, 50};
    }
    void gestures()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QList<int>, values);
        Fixture f;
        f.Drag(from, to);
        QTEST(QStringList(f.events), "events");
        QCOMPARE((QList<int>{f.control.Zoom_HPos(), f.control.Zoom_VPos(), f.control.Zoom_HSize(),
                             f.control.Zoom_VSize()}),
                 values);
        // Nothing moves on screen until the owner assigns the values back.
        QCOMPARE(f.control.ZoomBox(), (TCadrageBox{76, 51, 150, 100}));
    }

    void eventsRepeatUntilOwnerAssigns()
    {
        Fixture f;
        f.Drag(QPoint(150, 100), QPoint(160, 100));
        SendMouseMove(&f.control, QPoint(160, 100), Qt::LeftButton);
        QCOMPARE(f.events, (QList<QString>{"HPos", "HPos"}));
        f.control.SetFluidAndBackFlash(true); // as the owner places it: the drag already holds 134
        f.control.SetZoom_HPos(134);
        QCOMPARE(f.control.ZoomBox().left, 86); // under the pointer again
        f.events.clear();
        SendMouseMove(&f.control, QPoint(160, 100), Qt::LeftButton);
        QVERIFY(f.events.isEmpty());
    }

    void cornerCutToMaximumKeepsRatio()
    {
        Fixture f;
        f.control.SetZoom_VSize(25); // ratio 2
        f.control.SetZoom_HSize_ET_VSize_MAXIMUM(600);
        // bottom-right corner of the 150 x 50 zoom
        f.Drag(QPoint(226, 126), QPoint(290, 126));
        QCOMPARE(f.control.Zoom_HSize(), 60);
        QCOMPARE(f.control.Zoom_VSize(), 30);
    }

    void rightEdgeAtPositionZeroChangesNothing()
    {
        Fixture f;
        f.control.SetZoom_HPos(0); // zoom from -150 to 0
        f.Drag(QPoint(0, 100), QPoint(40, 100));
        QCOMPARE(f.control.Mode(), TCadrageMode::RightEdge);
        QVERIFY(f.events.isEmpty());
        QCOMPARE(f.control.Zoom_HSize(), 50);
    }

    void pixelUnitsWithoutSizesKeepPlace()
    {
        Fixture f;
        f.control.SetZMSCALE(true);
        f.control.SetNEW_OHSIZ(127); // both distances 0
        f.control.SetNEW_ImageHSize(127);
        f.control.SetNEW_OVSIZ(227);
        f.control.SetNEW_ImageVSize(177);
        f.control.SetZoom_HPos(10);
        QCOMPARE(f.control.ZoomBox().left, 76);
        f.Drag(QPoint(150, 50), QPoint(170, 70)); // the zoom now spans y 2 to 102
        QCOMPARE(f.events, (QList<QString>{"VPos"}));
        QCOMPARE(f.control.Zoom_VPos(), 138);
    }

    void shiftDragOnlyHovers()
    {
        Fixture f;
        f.Drag(QPoint(150, 100), QPoint(76, 100), Qt::ShiftModifier);
        QVERIFY(f.events.isEmpty());
        QCOMPARE(f.control.Mode(), TCadrageMode::LeftEdge);
    }

    void buttonsReportToOwner()
    {
        Fixture f;
        Qt::KeyboardModifiers middleShift;
        int middleMoves = 0;
        f.control.SetOnMouseMiddleDownChange([&](QObject *, Qt::KeyboardModifiers shift) {
            ++middleMoves;
            middleShift = shift;
        });
        SendMouseMove(&f.control, QPoint(50, 50), Qt::MiddleButton, Qt::ControlModifier);
        QCOMPARE(middleMoves, 1);
        QCOMPARE(middleShift, Qt::ControlModifier);

        QTest::mouseClick(&f.control, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseDClick(&f.control, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(f.events.contains("MouseUp"));
        QVERIFY(f.events.contains("DoubleClick"));
        QVERIFY(f.control.hasFocus());
    }

    void typeZoomPlaysTransition()
    {
        Fixture f;
        f.control.SetTransitionInterval(0);
        f.control.SetTypeZoom(_TypeZoomOn);
        QVERIFY(f.control.TransitionRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!f.control.TransitionRunning(), 5000);
        QCOMPARE(f.control.TypeZoom(), _TypeZoomOn);
    }
};

MORLIX_TEST(CadrageImage_2Test)
#include "tst_cadrageimage_2.moc"
