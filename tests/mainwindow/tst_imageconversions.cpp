#include "TestRegistry.h"
#include "mainwindow/pages/ImageConversions.h"

#include <QtTest>

using namespace ImageConversions;

Q_DECLARE_METATYPE(ImageConversions::TUnit)
Q_DECLARE_METATYPE(ImageConversions::TScale)

namespace {

// The scales of the rows, as the page builds them from the variable table
// and the common update's H. phase ranges.
const TScale Percent255 = ScaleOf(TUnit::Percent, 0, 255);
const TScale Flicker = ScaleOf(TUnit::Steps, 0, 7);
const TScale Clock = ScaleOf(TUnit::Plain, 200, 1000);
const TScale SubCarrier = ScaleOf(TUnit::Degrees, 0, 1024);
const TScale Offset = ScaleOf(TUnit::Lines, 32763, 32773);
const TScale PhaseWide = PhaseScale({0, 65535, -18681, 18679});
const TScale PhaseNtsc = PhaseScale({32676, 32860, -340, 340});
const TScale PhaseHd = PhaseScale({32514, 33022, -343, 343});

} // namespace

// What the image page shows for a device value and sends for an entry, at
// the edges of each unit.
class ImageConversionsTest : public QObject
{
    Q_OBJECT
private slots:
    void displayText_data()
    {
        QTest::addColumn<TUnit>("unit");
        QTest::addColumn<TScale>("scale");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        const TScale none;
        QTest::newRow("percent top") << TUnit::Percent << Percent255 << 255 << "C" << "100%";
        QTest::newRow("percent middle") << TUnit::Percent << Percent255 << 128 << "C" << "50%";
        QTest::newRow("percent rounds down") << TUnit::Percent << Percent255 << 1 << "C" << "0%";
        QTest::newRow("percent bottom") << TUnit::Percent << Percent255 << 0 << "C" << "0%";
        QTest::newRow("gamma one digit") << TUnit::Tenths << none << 5 << "C" << "0.5";
        QTest::newRow("gamma whole") << TUnit::Tenths << none << 10 << "C" << "1.0";
        QTest::newRow("gamma tenths") << TUnit::Tenths << none << 23 << "C" << "2.3";
        QTest::newRow("gamma top") << TUnit::Tenths << none << 40 << "C" << "4.0";
        QTest::newRow("gamma one digit, comma") << TUnit::Tenths << none << 5 << "de_DE" << "0,5";
        QTest::newRow("gamma whole, comma") << TUnit::Tenths << none << 10 << "de_DE" << "1,0";
        QTest::newRow("gamma tenths, comma") << TUnit::Tenths << none << 15 << "de_DE" << "1,5";
        QTest::newRow("flicker") << TUnit::Steps << Flicker << 7 << "C" << "7";
        QTest::newRow("clock") << TUnit::Plain << Clock << 1344 << "C" << "1344";
        QTest::newRow("h phase ntsc low") << TUnit::Microseconds << PhaseNtsc << 32676 << "C" << "-3.4\u00B5s";
        QTest::newRow("h phase ntsc high") << TUnit::Microseconds << PhaseNtsc << 32860 << "C" << "3.4\u00B5s";
        QTest::newRow("h phase hd low") << TUnit::Microseconds << PhaseHd << 32514 << "C" << "-3.43\u00B5s";
        QTest::newRow("h phase wide low") << TUnit::Microseconds << PhaseWide << 0 << "C" << "-186.81\u00B5s";
        QTest::newRow("h phase wide high") << TUnit::Microseconds << PhaseWide << 65535 << "C" << "186.79\u00B5s";
        QTest::newRow("h phase, comma") << TUnit::Microseconds << PhaseNtsc << 32676 << "de_DE" << "-3,4\u00B5s";
        QTest::newRow("sub-carrier middle") << TUnit::Degrees << SubCarrier << 512 << "C" << "0\u00B0";
        QTest::newRow("sub-carrier top") << TUnit::Degrees << SubCarrier << 1024 << "C" << "180\u00B0";
        QTest::newRow("sub-carrier bottom") << TUnit::Degrees << SubCarrier << 0 << "C" << "-180\u00B0";
        QTest::newRow("offset middle") << TUnit::Lines << Offset << 32768 << "C" << "0Lines";
        QTest::newRow("offset top") << TUnit::Lines << Offset << 32773 << "C" << "5Lines";
        QTest::newRow("offset bottom") << TUnit::Lines << Offset << 32763 << "C" << "-5Lines";
    }
    void displayText()
    {
        QFETCH(TUnit, unit);
        QFETCH(TScale, scale);
        QFETCH(int, value);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(DisplayText(unit, scale, value, QLocale(locale)), text);
    }

    void entryValue_data()
    {
        QTest::addColumn<TUnit>("unit");
        QTest::addColumn<TScale>("scale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sent"); // -1: nothing
        QTest::newRow("percent, halves to even") << TUnit::Percent << Percent255 << "50%" << 128;
        QTest::newRow("percent without its sign") << TUnit::Percent << Percent255 << " 50 " << 128;
        QTest::newRow("percent clamped above") << TUnit::Percent << Percent255 << "150%" << 255;
        QTest::newRow("percent clamped below") << TUnit::Percent << Percent255 << "-5%" << 0;
        QTest::newRow("percent decimal") << TUnit::Percent << Percent255 << "12.5%" << -1;
        QTest::newRow("percent twice") << TUnit::Percent << Percent255 << "50%%" << -1;
        QTest::newRow("percent empty") << TUnit::Percent << Percent255 << "" << -1;
        QTest::newRow("percent word") << TUnit::Percent << Percent255 << "half" << -1;
        QTest::newRow("gamma takes none") << TUnit::Tenths << Percent255 << "10" << -1;
        QTest::newRow("flicker") << TUnit::Steps << Flicker << "3" << 3;
        QTest::newRow("flicker clamped") << TUnit::Steps << Flicker << "9" << 7;
        QTest::newRow("clock") << TUnit::Plain << Clock << "800" << 800;
        QTest::newRow("clock at its maximum") << TUnit::Plain << Clock << "1000" << 1000;
        QTest::newRow("clock below its minimum") << TUnit::Plain << Clock << "100" << -1;
        QTest::newRow("clock negative") << TUnit::Plain << Clock << "-1" << -1;
        QTest::newRow("clock above 16 bits") << TUnit::Plain << Clock << "70000" << -1;
        QTest::newRow("clock above its maximum") << TUnit::Plain << Clock << "1001" << -1;
        QTest::newRow("clock huge") << TUnit::Plain << Clock << "99999999999999999999" << -1;
        QTest::newRow("h phase in 64 bits") << TUnit::Microseconds << PhaseWide << "150\u00B5s" << 59081;
        QTest::newRow("h phase without its unit") << TUnit::Microseconds << PhaseWide << "150" << 59081;
        QTest::newRow("h phase ntsc") << TUnit::Microseconds << PhaseNtsc << "-3\u00B5s" << 32687;
        QTest::newRow("h phase ntsc clamped") << TUnit::Microseconds << PhaseNtsc << "9\u00B5s" << 32860;
        QTest::newRow("h phase decimal") << TUnit::Microseconds << PhaseNtsc << "1.4\u00B5s" << -1;
        QTest::newRow("h phase decimal comma") << TUnit::Microseconds << PhaseNtsc << "1,4\u00B5s" << -1;
        QTest::newRow("sub-carrier") << TUnit::Degrees << SubCarrier << "90\u00B0" << 768;
        QTest::newRow("sub-carrier middle") << TUnit::Degrees << SubCarrier << "0" << 512;
        QTest::newRow("sub-carrier decimal") << TUnit::Degrees << SubCarrier << "1.5\u00B0" << -1;
        QTest::newRow("offset") << TUnit::Lines << Offset << "5Lines" << 32773;
        QTest::newRow("offset clamped, any case") << TUnit::Lines << Offset << "-9lines" << 32763;
        QTest::newRow("offset decimal") << TUnit::Lines << Offset << "2.0Lines" << -1;
    }
    void entryValue()
    {
        QFETCH(TUnit, unit);
        QFETCH(TScale, scale);
        QFETCH(QString, text);
        QFETCH(int, sent);
        const std::optional<int> value = EntryValue(unit, scale, text);
        QCOMPARE(value.value_or(-1), sent);
    }

    void wholeNumbersOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value"); // -1: not a whole number
        QTest::newRow("plain") << "42" << qint64(42);
        QTest::newRow("signed") << "+7" << qint64(7);
        QTest::newRow("blanks") << "  -3 " << qint64(-3);
        QTest::newRow("group separator") << "1,000" << qint64(-1);
        QTest::newRow("group point") << "1.000" << qint64(-1);
        QTest::newRow("exponent") << "8e2" << qint64(-1);
        QTest::newRow("inner blank") << "1 2" << qint64(-1);
        QTest::newRow("sign alone") << "-" << qint64(-1);
    }
    void wholeNumbersOnly()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        QCOMPARE(ReadWhole(text).value_or(-1), value);
    }
};

MORLIX_TEST(ImageConversionsTest)
#include "tst_imageconversions.moc"
