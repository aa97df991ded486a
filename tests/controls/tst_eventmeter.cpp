#include "TestRegistry.h"
#include "controls/EventMeter.h"

#include <QtTest>

Q_DECLARE_METATYPE(TEventMeter::TAdvance)

namespace {

// Acknowledges and releases one axis until nothing more comes out.
QList<uint32_t> DrainAxis(TEventMeter &meter, int axis)
{
    QList<uint32_t> released;
    for (int guard = 0; guard < 100; ++guard) {
        meter.Acknowledge(axis);
        const auto value = meter.Release(axis);
        if (!value)
            break;
        released << *value;
    }
    return released;
}

} // namespace

class EventMeterTest : public QObject
{
    Q_OBJECT
private slots:
    void releasesWaitingValues_data()
    {
        QTest::addColumn<TEventMeter::TAdvance>("advance");
        QTest::addColumn<int>("pushed"); // values 10, 11, ...
        QTest::addColumn<QList<uint32_t>>("released");
        QTest::newRow("position jumps over half") << TEventMeter::HalfOfWaiting << 5 << QList<uint32_t>{11, 13, 14};
        QTest::newRow("long drag catches up") << TEventMeter::HalfOfWaiting << 9 << QList<uint32_t>{11, 15, 17, 18};
        QTest::newRow("size one by one") << TEventMeter::OneByOne << 3 << QList<uint32_t>{11, 12};
        QTest::newRow("single value already sent") << TEventMeter::HalfOfWaiting << 1 << QList<uint32_t>{};
    }
    void releasesWaitingValues()
    {
        QFETCH(TEventMeter::TAdvance, advance);
        QFETCH(int, pushed);
        TEventMeter meter(1, advance);
        QVERIFY(meter.Push({10, 0}));
        for (int i = 1; i < pushed; ++i)
            QVERIFY(!meter.Push({uint32_t(10 + i), 0}));
        QTEST(DrainAxis(meter, 0), "released");
        QVERIFY(meter.IsEmpty());
    }

    void waitsForAcknowledgement()
    {
        TEventMeter meter(1, TEventMeter::OneByOne);
        meter.Push({1, 0});
        meter.Push({2, 0});
        meter.Push({3, 0});
        QVERIFY(!meter.Release(0)); // the first value has not been answered yet
        meter.Acknowledge(0);
        QCOMPARE(meter.Release(0).value_or(0), 2u);
        QVERIFY(!meter.Release(0));
        QCOMPARE(meter.Count(), 3);
    }

    void axesAdvanceIndependently()
    {
        TEventMeter meter(2, TEventMeter::HalfOfWaiting);
        meter.Push({1, 101});
        meter.Push({2, 102});
        QCOMPARE(DrainAxis(meter, 0), (QList<uint32_t>{2}));
        // The vertical value still waits, so the queue stays.
        QVERIFY(!meter.IsEmpty());
        QVERIFY(!meter.Push({3, 103}));
        QCOMPARE(DrainAxis(meter, 1), (QList<uint32_t>{102, 103}));
        QCOMPARE(DrainAxis(meter, 0), (QList<uint32_t>{3}));
        meter.Acknowledge(0);
        meter.Release(0);
        QVERIFY(meter.IsEmpty());
        QVERIFY(meter.Push({4, 104})); // a new sequence goes out at once
        QCOMPARE(meter.ReadPosition(0), 1);
    }

    void fullQueueKeepsNewestValue()
    {
        TEventMeter meter(1, TEventMeter::OneByOne, 3);
        for (uint32_t v = 10; v < 15; ++v)
            meter.Push({v, 0});
        QCOMPARE(meter.Count(), 3);
        QCOMPARE(DrainAxis(meter, 0), (QList<uint32_t>{11, 14}));
    }
};

MORLIX_TEST(EventMeterTest)
#include "tst_eventmeter.moc"
