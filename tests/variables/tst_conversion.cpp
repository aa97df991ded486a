#include "TestRegistry.h"
#include "variables/Conversion_V2.h"

#include <QLocale>
#include <QtTest>

class ConversionTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void balanceScale_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("caption");
        QTest::newRow("centre") << 45 << "0";
        QTest::newRow("left end") << 0 << "-45";
        QTest::newRow("right end") << 90 << "45";
        QTest::newRow("extrapolated") << 100 << "55";
    }

    void balanceScale()
    {
        QFETCH(int, device);
        QFETCH(QString, caption);
        TConversion_V2 c;
        c.Setup(0, 90, -45, 45, Arr_VsPair, 5, 0);
        QCOMPARE(c.ValPosDrvToCaption(device), caption);
    }

    void captionToDevice_data()
    {
        QTest::addColumn<int>("caption");
        QTest::addColumn<int>("device");
        QTest::newRow("inside") << 10 << 55;
        QTest::newRow("clamped high") << 60 << 90;
        QTest::newRow("clamped low") << -60 << 0;
    }

    void captionToDevice()
    {
        QFETCH(int, caption);
        QFETCH(int, device);
        TConversion_V2 c;
        c.Setup(0, 90, -45, 45, Arr_VsMoinsInf, 5, 0);
        QCOMPARE(c.ValCaptionToDrv(caption), device);
    }

    void deviceSideRoundsTiesToEven()
    {
        // 0..4 shown as 0..8: caption 1 is device 0.5, caption 3 is 1.5.
        TConversion_V2 c;
        c.Setup(0, 4, 0, 8, Arr_VsMoinsInf, 5, 0);
        QCOMPARE(c.ValCaptionToDrv(1), 0);
        QCOMPARE(c.ValCaptionToDrv(3), 2);
        QCOMPARE(c.ValCaptionToDrv(5), 2);
        QCOMPARE(c.ValCaptionToDrv(7), 4);
    }

    void roundingModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("pair 2.5") << int(Arr_VsPair) << 2.5 << 2.0;
        QTest::newRow("pair 3.5") << int(Arr_VsPair) << 3.5 << 4.0;
        QTest::newRow("pair -2.5") << int(Arr_VsPair) << -2.5 << -2.0;
        QTest::newRow("pair -3.5") << int(Arr_VsPair) << -3.5 << -4.0;
        QTest::newRow("zero -2.7") << int(Arr_VsZero) << -2.7 << -2.0;
        QTest::newRow("zero 2.7") << int(Arr_VsZero) << 2.7 << 2.0;
        QTest::newRow("plusinf -2.7") << int(Arr_VsPlusInf) << -2.7 << -2.0;
        QTest::newRow("plusinf 2.2") << int(Arr_VsPlusInf) << 2.2 << 3.0;
        QTest::newRow("moinsinf -2.2") << int(Arr_VsMoinsInf) << -2.2 << -3.0;
        QTest::newRow("dontcare") << int(Arr_IDONTCARE) << -2.2 << -2.2;
    }

    void roundingModes()
    {
        QFETCH(int, mode);
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(double(TConversion_V2::Round(value, TArrondi(mode))), expected);
    }

    void displayRoundingWithDecimals()
    {
        // 0..255 shown as 0..100 with one decimal.
        TConversion_V2 c;
        c.Setup(0, 255, 0, 100, Arr_IDONTCARE, 5, 1);
        QCOMPARE(c.ValPosDrvToCaption(128), QString("50.2"));
        c.vTypeArrondi = Arr_VsMoinsInf;
        QCOMPARE(c.ValPosDrvToCaption(128), QString("50.0"));
    }

    void fixedText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("zeros added") << 12.5 << 5 << 3 << "12.500";
        QTest::newRow("significant digits first") << 123.456 << 4 << 2 << "123.50";
        QTest::newRow("negative") << -0.25 << 5 << 2 << "-0.25";
        QTest::newRow("rounds to zero has no sign") << -0.004 << 5 << 2 << "0.00";
        QTest::newRow("integer") << 42.0 << 5 << 0 << "42";
        QTest::newRow("too many digits") << 123456.0 << 4 << 0 << "1.235E+05";
    }

    void fixedText()
    {
        QFETCH(double, value);
        QFETCH(int, total);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(TConversion_V2::FormatFixed(value, total, decimals), text);
    }

    void localeSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(TConversion_V2::FormatFixed(12.5, 5, 1), QString("12,5"));
        QLocale::setDefault(QLocale::c());
    }

    void equalEndsGiveZero()
    {
        TConversion_V2 c;
        c.Setup(10, 10, 0, 100, Arr_VsPair, 5, 0);
        QCOMPARE(c.ValPosDrvToCaption(12345), QString("0"));
        c.Setup(0, 100, 7, 7, Arr_VsPair, 5, 0);
        QCOMPARE(c.ValCaptionToDrv(7), 0);
    }
};

MORLIX_TEST(ConversionTest)
#include "tst_conversion.moc"
