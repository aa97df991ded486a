#include "TestRegistry.h"
#include "controls/AudioBalance.h"
#include "controls/AudioLevel.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {

constexpr int BarRow = TAudioMeter::BarBottom; // every bar reaches down to this row
const QColor White(255, 255, 255);

std::unique_ptr<TAudioMeter> MakeMeter(const QString &kind)
{
    if (kind == QLatin1String("level"))
        return std::make_unique<TAudioLevel>();
    return std::make_unique<TAudioBalance>();
}

QColor PixelAt(QWidget &meter, int x, int y)
{
    return meter.grab().toImage().pixelColor(x, y);
}

} // namespace

class AudioMetersTest : public QObject
{
    Q_OBJECT
private slots:
    void mouseSetsThePositionAndReportsIt_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("reported");
        for (const char *kind : {"level", "balance"}) {
            const QString k = QString::fromLatin1(kind);
            QTest::addRow("%s: left end of the bars", kind) << k << 0 << 50 << 20 << 0;
            QTest::addRow("%s: right end of the bars", kind) << k << 0 << 50 << 217 << 100;
            QTest::addRow("%s: x 18 is the minus button", kind) << k << 0 << 50 << 18 << 49;
            QTest::addRow("%s: x 219 is still the bars", kind) << k << 0 << 50 << 219 << 100;
            QTest::addRow("%s: x 220 is the plus button", kind) << k << 0 << 50 << 220 << 51;
            QTest::addRow("%s: minus at the minimum", kind) << k << 0 << 0 << 5 << 0;
            QTest::addRow("%s: plus at the maximum", kind) << k << 0 << 100 << 230 << 100;
            QTest::addRow("%s: offset range", kind) << k << -100 << 0 << 20 << -100;
        }
    }
    void mouseSetsThePositionAndReportsIt()
    {
        QFETCH(QString, kind);
        QFETCH(int, min);
        QFETCH(int, start);
        QFETCH(int, x);
        QFETCH(int, reported);
        std::unique_ptr<TAudioMeter> meter = MakeMeter(kind);
        meter->SetMin(min);
        meter->SetPosition(start);
        meter->show();
        QVERIFY(QTest::qWaitForWindowExposed(meter.get()));
        QSignalSpy positions(meter.get(), &TAudioMeter::OnPositionEvent);
        QSignalSpy moves(meter.get(), &TAudioMeter::OnMouseMoveEvent);

        QTest::mouseClick(meter.get(), Qt::LeftButton, {}, QPoint(x, 30));
        QCOMPARE(positions.count(), 1);
        QCOMPARE(positions.first().at(1).toInt(), reported);
        QCOMPARE(meter->Position(), reported);
        QCOMPARE(moves.count(), 1);
        QCOMPARE(moves.first().at(3).toInt(), x);
    }

    void moveWithoutButtonOnlyReportsTheMove()
    {
        TAudioLevel meter;
        meter.show();
        QVERIFY(QTest::qWaitForWindowExposed(&meter));
        QSignalSpy positions(&meter, &TAudioMeter::OnPositionEvent);
        QSignalSpy moves(&meter, &TAudioMeter::OnMouseMoveEvent);
        QTest::mouseMove(&meter, QPoint(100, 30));
        QCOMPARE(positions.count(), 0);
        QVERIFY(moves.count() >= 1);
        QCOMPARE(meter.cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(&meter, QPoint(100, 5));
        QCOMPARE(meter.cursor().shape(), Qt::ArrowCursor);
    }

    void settingThePositionClampsWithoutEvent_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("stored");
        QTest::newRow("above") << 250 << 100;
        QTest::newRow("below") << -5 << 0;
    }
    void settingThePositionClampsWithoutEvent()
    {
        QFETCH(int, written);
        QFETCH(int, stored);
        TAudioBalance meter;
        QSignalSpy positions(&meter, &TAudioMeter::OnPositionEvent);
        meter.SetPosition(written);
        QCOMPARE(meter.Position(), stored);
        QCOMPARE(positions.count(), 0);
    }

    void percentOfARangeNotStartingAtZero_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("percent");
        QTest::newRow("from zero") << 0 << 200 << 50 << 25;
        QTest::newRow("halves to even") << 0 << 200 << 1 << 0;
        QTest::newRow("offset range, start") << 100 << 200 << 100 << 0;
        QTest::newRow("offset range, end") << 100 << 200 << 200 << 100;
        QTest::newRow("negative range, middle") << -50 << 50 << 0 << 50;
        QTest::newRow("empty range") << 10 << 10 << 10 << 0;
    }
    void percentOfARangeNotStartingAtZero()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, position);
        QFETCH(int, percent);
        TAudioLevel meter;
        meter.SetMin(min);
        meter.SetMax(max);
        meter.SetPosition(position);
        QCOMPARE(meter.Percent(), percent);
        meter.grab(); // drawing must stay inside the bar table
    }

    void levelBarsFadeUpToThePosition()
    {
        TAudioLevel meter;
        meter.SetColorAsk(QColor(0, 0, 255));
        const int lastBarX = TAudioMeter::BarX(98);

        meter.SetPosition(0);
        QCOMPARE(PixelAt(meter, TAudioMeter::BarX(0), BarRow), White);
        QCOMPARE(PixelAt(meter, lastBarX, BarRow), White);

        meter.SetPosition(100);
        QCOMPARE(PixelAt(meter, TAudioMeter::BarX(0), BarRow), QColor(0, 0, 0));
        QCOMPARE(PixelAt(meter, TAudioMeter::BarX(50), BarRow), QColor(0, 0, 128));
        QCOMPARE(PixelAt(meter, lastBarX, BarRow), QColor(0, 0, 250));

        meter.SetPosition(50);
        QCOMPARE(PixelAt(meter, TAudioMeter::BarX(48), BarRow), QColor(0, 0, 245));
        QCOMPARE(PixelAt(meter, TAudioMeter::BarX(49), BarRow), White);

        meter.SetColorAsk(QColor()); // not a plain colour: the previous one stays
        QCOMPARE(meter.ColorAsk(), QColor(0, 0, 255));
    }

    void balanceMarkerAndFades()
    {
        TAudioBalance meter;
        meter.SetColorAskLeft(QColor(255, 0, 0));
        meter.SetColorAskRight(QColor(0, 0, 255));
        meter.SetPosition(50);
        QCOMPARE(TAudioBalance::MarkerX(50), 118);
        const QImage image = meter.grab().toImage();
        QCOMPARE(image.pixelColor(118, 20), QColor(0, 0, 0));
        QVERIFY(image.pixelColor(117, 20) != QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(TAudioMeter::BarX(0), BarRow), White);
        QCOMPARE(image.pixelColor(TAudioMeter::BarX(48), BarRow), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(TAudioMeter::BarX(47), BarRow), QColor(255, 5, 5));
        QCOMPARE(image.pixelColor(TAudioMeter::BarX(50), BarRow), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(TAudioMeter::BarX(98), BarRow), QColor(250, 250, 255));
    }

    void balanceDrawsAtBothEnds_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("markerX");
        QTest::newRow("0") << 0 << 21;
        QTest::newRow("1") << 1 << 23;
        QTest::newRow("2") << 2 << 25;
        QTest::newRow("99") << 99 << 213;
        QTest::newRow("100") << 100 << 215;
    }
    void balanceDrawsAtBothEnds()
    {
        QFETCH(int, position);
        QFETCH(int, markerX);
        TAudioBalance meter;
        meter.SetPosition(position);
        QCOMPARE(TAudioBalance::MarkerX(position), markerX);
        QCOMPARE(meter.grab().toImage().pixelColor(markerX, 19), QColor(0, 0, 0));
    }
};

MORLIX_TEST(AudioMetersTest)
#include "tst_audiometers.moc"
