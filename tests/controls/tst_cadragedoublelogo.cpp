#include "TestRegistry.h"
#include "MouseMoves.h"
#include "controls/CadrageDoubleLogo.h"

#include <QtTest>

namespace {

// A 16:9 picture (453 x 255 pixels) recording a logo: the capture rectangle
// at 51, 51 sized 102 x 102 lies at (91, 51) sized 181 x 102, its move area
// up to x 226 and y 127.
struct Fixture {
    TCadrageDoubleLogo control;
    QStringList events;

    explicit Fixture(TmodeUtilLogoFrame mode = _EnregistrementLogoFixe)
    {
        control.SetOHSIZx(1920);
        control.SetOVSIZx(1080);
        control.SetLMODE(mode);
        control.SetLHPCAP(51);
        control.SetLVPCAP(51);
        control.SetLHSCAP(102);
        control.SetLVSCAP(102);
        auto record = [this](const char *name, std::function<uint32_t()> value) {
            return [this, name, value](QObject *, TCadrageDoubleLogoCode code) {
                events << QStringLiteral("%1%2 %3").arg(code == _EndMove ? "end " : "", name).arg(value());
            };
        };
        TCadrageDoubleLogo &c = control;
        c.SetOnFLHPCAPChange(record("HPCAP", [&c] { return c.LHPCAP(); }));
        c.SetOnFLVPCAPChange(record("VPCAP", [&c] { return c.LVPCAP(); }));
        c.SetOnFLHSCAPChange(record("HSCAP", [&c] { return c.LHSCAP(); }));
        c.SetOnFLVSCAPChange(record("VSCAP", [&c] { return c.LVSCAP(); }));
        c.SetOnFLHPOS1xChange(record("HPOS1", [&c] { return c.LHPOS1x(); }));
        c.SetOnFLVPOS1xChange(record("VPOS1", [&c] { return c.LVPOS1x(); }));
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
    }

    void Press(QPoint p) { QTest::mousePress(&control, Qt::LeftButton, {}, p); }
    void Drag(QPoint p) { SendMouseMove(&control, p, Qt::LeftButton); }
    void Release(QPoint p) { QTest::mouseRelease(&control, Qt::LeftButton, {}, p); }
    QStringList Take() { return std::exchange(events, {}); }
};

} // namespace

class CadrageDoubleLogoTest : public QObject
{
    Q_OBJECT
private slots:
    void takesOutputProportions()
    {
        Fixture f;
        QCOMPARE(f.control.size(), QSize(453, 255));
        QCOMPARE(f.control.CaptureBox(), (TCadrageBox{91, 51, 181, 102}));
        f.control.SetOVSIZx(1200); // 16:10 is no known ratio
        QCOMPARE(f.control.size(), QSize(453, 255));
        f.control.SetOHSIZx(0);
        QCOMPARE(f.control.size(), QSize(255, 255));
    }

    void fastMoveIsMeteredByAnswers()
    {
        Fixture f;
        f.Press(QPoint(150, 80)); // grabbed 59, 29 from the corner
        f.Drag(QPoint(160, 80));
        QCOMPARE(f.Take(), (QStringList{"HPCAP 57", "VPCAP 51"}));
        for (int step = 1; step <= 3; ++step)
            f.Drag(QPoint(160 + 10 * step, 80 + 10 * step));
        QVERIFY(f.events.isEmpty()); // waiting for the device
        // Each answer lets one value out, jumping over half of those waiting.
        f.control.SetLHPCAP(57);
        QCOMPARE(f.Take(), (QStringList{"HPCAP 62"}));
        f.control.SetLVPCAP(51);
        QCOMPARE(f.Take(), (QStringList{"VPCAP 61"}));
        f.control.SetLHPCAP(62);
        f.control.SetLVPCAP(61);
        QCOMPARE(f.Take(), (QStringList{"HPCAP 74", "VPCAP 81"}));
        f.control.SetLHPCAP(74);
        f.control.SetLVPCAP(81);
        QVERIFY(f.events.isEmpty());
        f.Drag(QPoint(200, 120)); // a new sequence goes out at once
        QCOMPARE(f.Take(), (QStringList{"HPCAP 79", "VPCAP 91"}));
    }

    void widthWaitsForAnswer()
    {
        Fixture f;
        f.Press(QPoint(240, 80));
        f.Drag(QPoint(300, 80));
        QCOMPARE(f.Take(), (QStringList{"HSCAP 118"}));
        f.Drag(QPoint(320, 80));
        QVERIFY(f.events.isEmpty()); // refused, not queued
        f.control.SetLHSCAP(118);
        f.Drag(QPoint(320, 80));
        QCOMPARE(f.Take(), (QStringList{"HSCAP 129"}));
        f.Release(QPoint(320, 80));
        QCOMPARE(f.Take(), (QStringList{"end HSCAP 129"}));
    }

    void cornerAndHeightDrags_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("height") << QPoint(150, 140) << QPoint(150, 200) << QStringList{"VSCAP 149"};
        QTest::newRow("corner") << QPoint(272, 153) << QPoint(300, 200)
                                << QStringList{"HSCAP 118", "VSCAP 149"};
        QTest::newRow("pointer kept inside") << QPoint(272, 153) << QPoint(900, 900)
                                             << QStringList{"HSCAP 204", "VSCAP 204"};
    }
    void cornerAndHeightDrags()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, to);
        Fixture f;
        f.control.SetEnabledMouseUp(false);
        f.Press(press);
        f.Drag(to);
        f.Release(to);
        QTEST(f.events, "expected");
    }

    void moveFromGripTakesPointerAsCorner()
    {
        Fixture f;
        f.Press(QPoint(88, 48)); // on the grip, outside the move area
        f.Drag(QPoint(0, 0));
        QCOMPARE(f.Take(), (QStringList{"HPCAP 0", "VPCAP 0"}));
        f.control.SetLHPCAP(0);
        f.control.SetLVPCAP(0);
        f.Release(QPoint(0, 0));
        QCOMPARE(f.Take(), (QStringList{"end HPCAP 0", "end VPCAP 0"}));
    }

    void logoDrag_data()
    {
        QTest::addColumn<uint32_t>("width");
        QTest::addColumn<QStringList>("expected");
        // logo 51 x 51 of the scale: 91 x 51 pixels at the top-left corner
        QTest::newRow("free travel") << 51u << QStringList{"HPOS1 70", "VPOS1 62"};
        QTest::newRow("as wide as the picture") << 255u << QStringList{"HPOS1 0", "VPOS1 62"};
    }
    void logoDrag()
    {
        QFETCH(uint32_t, width);
        Fixture f(_Normal);
        f.control.SetLHSIZ1x(width);
        f.control.SetLVSIZ1x(51);
        f.Press(QPoint(40, 20));
        f.Drag(QPoint(140, 70));
        QTEST(f.events, "expected");
    }

    void pointingChoosesLogo()
    {
        Fixture f(_Normal);
        f.control.SetLHSIZ1x(51);
        f.control.SetLVSIZ1x(51);
        f.control.SetLHSIZ2x(51);
        f.control.SetLVSIZ2x(51);
        f.control.SetLHPOS2x(255);
        f.control.SetLVPOS2x(255);
        QList<QList<int>> pointed;
        f.control.SetOnNoneOrLogo1OrLogo2Change(
            [&](QObject *, TLogo1OrLogo2 target, int y, int x) { pointed << QList<int>{int(target), y, x}; });
        SendMouseMove(&f.control, QPoint(400, 230));
        QCOMPARE(f.control.NumLogo(), 2);
        SendMouseMove(&f.control, QPoint(200, 100));
        QCOMPARE(f.control.NumLogo(), 2); // stays the last logo pointed at
        QCOMPARE(pointed, (QList<QList<int>>{{_Logo2, 230, 400}, {_None, 100, 200}}));
        QCOMPARE(f.control.cursor().shape(), Qt::ArrowCursor);
    }

    void recordingCursors_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<int>("cursor");
        QTest::newRow("grip") << QPoint(91, 51) << int(Qt::SizeAllCursor);
        QTest::newRow("move") << QPoint(150, 80) << int(Qt::PointingHandCursor);
        QTest::newRow("width") << QPoint(240, 80) << int(Qt::SizeHorCursor);
        QTest::newRow("height") << QPoint(150, 140) << int(Qt::SizeVerCursor);
        QTest::newRow("corner") << QPoint(272, 153) << int(Qt::SizeFDiagCursor);
        QTest::newRow("elsewhere") << QPoint(20, 200) << int(Qt::ArrowCursor);
    }
    void recordingCursors()
    {
        QFETCH(QPoint, pointer);
        Fixture f;
        SendMouseMove(&f.control, pointer);
        QTEST(int(f.control.cursor().shape()), "cursor");
    }
};

MORLIX_TEST(CadrageDoubleLogoTest)
#include "tst_cadragedoublelogo.moc"
