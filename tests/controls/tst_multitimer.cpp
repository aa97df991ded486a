#include "TestRegistry.h"
#include "controls/MultiTimer.h"

#include <QtTest>

class MultiTimerTest : public QObject
{
    Q_OBJECT
private slots:
    void channelsFireOnTheirPeriods()
    {
        TMultiTimer timer;
        QList<int> a, d;
        int tick = 0;
        timer.SetOnTimerAmsEvent([&] { a << tick; });
        timer.SetTimerDms(_01000mS);
        timer.SetOnTimerDmsEvent([&] { d << tick; });
        for (tick = 1; tick <= 9; ++tick)
            timer.Tick();
        QCOMPARE(a, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QCOMPARE(d, (QList<int>{4, 8}));
    }

    void loweredPeriodFiresOnNextTick()
    {
        TMultiTimer timer;
        int fired = 0;
        timer.SetTimerBms(_10000mS);
        timer.SetOnTimerBmsEvent([&] { ++fired; });
        for (int i = 0; i < 10; ++i)
            timer.Tick();
        QCOMPARE(fired, 0);
        timer.SetTimerBms(_01000mS); // counter (10) already past 3
        timer.Tick();
        QCOMPARE(fired, 1);
    }

    void runsOnItsOwnTimer()
    {
        TMultiTimer timer(nullptr, 1);
        int fired = 0;
        timer.SetOnTimerZmsEvent([&] { ++fired; });
        timer.SetEnabled(true);
        QVERIFY(timer.Enabled());
        QTRY_VERIFY_WITH_TIMEOUT(fired >= 3, 5000);
        timer.SetEnabled(false);
        QVERIFY(!timer.Enabled());
    }
};

MORLIX_TEST(MultiTimerTest)
#include "tst_multitimer.moc"
