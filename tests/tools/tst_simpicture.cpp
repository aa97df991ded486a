#include "SimDevice.h"
#include "SimFrontPanel.h"
#include "SimReports.h"
#include "SimPicture.h"
#include "TestRegistry.h"
#include "variables/VariableTable.h"

#include <QtTest>

// What the simulated device finds in the active input's picture: the clock
// of the source, where auto centering puts it, and the picture rows' reset.
class SimPictureTest : public QObject
{
    Q_OBJECT
private slots:
    void clockFitsTheDetectedFormat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArrayList>("clock");
        QTest::newRow("VGA") << "16" << QByteArrayList{"RM1000", "RD800"};
        QTest::newRow("XGA") << "18" << QByteArrayList{"RM1680", "RD1344"};
        QTest::newRow("1080p") << "14" << QByteArrayList{"RM2750", "RD2200"};
        QTest::newRow("no signal") << "none" << QByteArrayList{};
        QTest::newRow("out of range") << "2" << QByteArrayList{};
    }
    void clockFitsTheDetectedFormat()
    {
        QFETCH(QString, format);
        QFETCH(QByteArrayList, clock);
        SimDevice device;
        SimFrontPanel panel(device);
        Reports reports(device);
        panel.Handle("signal 1 " + format);
        QByteArrayList reported;
        for (const QByteArray &line : reports.Lines)
            if (line.startsWith("RM") || line.startsWith("RD"))
                reported << line;
        QCOMPARE(reported, clock);
    }

    void everyClockLiesInTheRangeTheApplicationTakes()
    {
        for (int format = 0; format <= SimSignals::LastFormat; ++format) {
            const std::vector<SimPicture::TValue> clock = SimPicture::ClockOf(format);
            if (clock.empty())
                continue;
            QCOMPARE(clock.at(0).VarNumber, int(RHTOTALMAXI));
            QCOMPARE(clock.at(1).VarNumber, int(RHTOTAL));
            QVERIFY(clock.at(1).Value >= VarTable[RHTOTAL].Min);
            QVERIFY(clock.at(0).Value > clock.at(1).Value);
        }
        QVERIFY(SimPicture::ClockOf(SimSignals::LastFormat + 1).empty());
    }

    void autoCenteringMovesThePictureALittle_data()
    {
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QByteArrayList>("reports");
        QTest::newRow("VGA") << "signal 1 16" << QByteArrayList{"RK1", "RX1027", "RY1022", "RK0"};
        QTest::newRow("no signal") << "signal 1 none" << QByteArrayList{"RK1", "RK0"};
    }
    void autoCenteringMovesThePictureALittle()
    {
        QFETCH(QString, signal);
        QFETCH(QByteArrayList, reports);
        SimDevice device;
        device.Operations().SetStepInterval(1);
        SimFrontPanel panel(device);
        panel.Handle("set ICH 1");
        panel.Handle(signal);
        Reports log(device);
        device.Write(AUTOCAD, -1, 1);
        QTRY_COMPARE_WITH_TIMEOUT(log.Lines, reports, 5000);
    }

    void imageResetRestoresThePictureRowsOnly()
    {
        SimDevice device;
        device.Operations().SetStepInterval(1);
        SimFrontPanel panel(device);
        for (const char *line : {"set BRIGHTNESS 10", "set HUE 3", "set FLICK 5", "set GAMMA 30", "set RCORING 9",
                                 "set RHTOTAL 900", "set PHASE 12"})
            panel.Handle(QString::fromLatin1(line));
        Reports log(device);
        device.Write(IMAGERESET, -1, 1);
        QTRY_COMPARE_WITH_TIMEOUT(log.Lines.value(log.Lines.size() - 1), QByteArray("RR0"), 5000);
        for (int varNumber : {BRIGHTNESS, HUE, FLICK, GAMMA, RCORING})
            QCOMPARE(device.State().Value(varNumber), VarTable[varNumber].Default);
        QVERIFY(log.Lines.contains("RF0"));
        QCOMPARE(device.State().Value(RHTOTAL), uint16_t(900));
        QCOMPARE(device.State().Value(PHASE), uint16_t(12));
    }
};

MORLIX_TEST(SimPictureTest)
#include "tst_simpicture.moc"
