#include "TestRegistry.h"
#include "dialogs/EdidRevert.h"
#include "dialogs/EdidTables.h"
#include "variables/VariableTable.h"

#include <QSet>
#include <QtTest>

using namespace EdidTables;

namespace {

constexpr uint16_t Morlix = 67;

QString Captions(const QVector<TEntry> &entries)
{
    QStringList captions;
    for (const TEntry &entry : entries)
        captions << QString::fromLatin1(entry.Caption);
    return captions.join(QLatin1Char('|'));
}

} // namespace

// The EDID tables, their lookups and the rate matrix, and what the window
// sends back on cancel.
class EdidTablesTest : public QObject
{
    Q_OBJECT
private slots:
    void everyValueHasOnePositionAndBack()
    {
        const TDeviceTables &tables = ForDevice(Morlix);
        QCOMPARE(tables.Formats.size(), 18);
        QCOMPARE(tables.Rates.size(), 6);
        QCOMPARE(tables.AllowedRates.size(), tables.Formats.size());
        // The variables' ranges are covered exactly.
        for (const auto &[entries, varNumber] :
             {std::pair{tables.Formats, int(EDIDFMT)}, std::pair{tables.Rates, int(EDIDRATE)},
              std::pair{Sources(), int(EDIDSEL)}}) {
            QCOMPARE(entries.size(), VarTable[varNumber].Max - VarTable[varNumber].Min + 1);
            QSet<uint16_t> values;
            for (int position = 0; position < entries.size(); ++position) {
                const uint16_t value = *ValueAt(entries, position);
                values.insert(value);
                QCOMPARE(PositionOfValue(entries, value), position);
                QVERIFY(entries[position].Enabled && entries[position].Visible);
            }
            QCOMPARE(values.size(), entries.size());
            QCOMPARE(ValueAt(entries, -1), std::nullopt);
            QCOMPARE(ValueAt(entries, int(entries.size())), std::nullopt);
            QCOMPARE(PositionOfValue(entries, 99), -1);
        }
        QCOMPARE(Captions(tables.Rates), QString("50  Hz|60  Hz|72  Hz|75  Hz|85  Hz|100 Hz"));
        QCOMPARE(tables.Formats[16].Caption, "1920 x 1200");
        QCOMPARE(Captions(Sources()), QString("Local|Loop"));
    }

    void unknownDeviceHasEmptyTables()
    {
        for (uint16_t type : {uint16_t(0), uint16_t(68)}) {
            const TDeviceTables &tables = ForDevice(type);
            QVERIFY(tables.Formats.isEmpty());
            QVERIFY(tables.Rates.isEmpty());
            QVERIFY(!RateAllowed(tables, 0, 0));
        }
    }

    void rateMatrix_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("allowed");
        QTest::newRow("640 x 480") << 0 << "50  Hz|60  Hz|72  Hz|75  Hz|85  Hz";
        QTest::newRow("1280 x 720") << 9 << "50  Hz|60  Hz|72  Hz|75  Hz|85  Hz";
        QTest::newRow("1280 x 768") << 10 << "50  Hz|60  Hz|72  Hz|75  Hz";
        QTest::newRow("1360 x 768") << 11 << "50  Hz|60  Hz|72  Hz|75  Hz";
        QTest::newRow("1200 x 800") << 12 << "50  Hz|60  Hz";
        QTest::newRow("1440 x 900") << 15 << "50  Hz|60  Hz";
        QTest::newRow("1920 x 1200") << 16 << "50  Hz";
        QTest::newRow("2048 x 1080") << 17 << "";
        QTest::newRow("no such format") << 18 << "";
    }
    void rateMatrix()
    {
        QFETCH(int, format);
        QFETCH(QString, allowed);
        const TDeviceTables &tables = ForDevice(Morlix);
        QVector<TEntry> rates;
        for (const TEntry &rate : tables.Rates)
            if (RateAllowed(tables, uint16_t(format), rate.Value))
                rates << rate;
        QCOMPARE(Captions(rates), allowed);
    }

    void revertSendsOnlyWhatWasReported()
    {
        using TWrites = QVector<TEdidRevert::TWrite>;
        TEdidRevert revert;
        // Before identification nothing is captured, whatever was reported.
        revert.Reported(EDIDFMT, 4);
        revert.Reported(EDIDRATE, 1);
        revert.Capture();
        QCOMPARE(revert.RevertWrites(), TWrites{});

        revert.Identified(true);
        QVERIFY(!revert.WasReported(EDIDFMT));
        revert.Reported(EDIDFMT, 16);
        revert.Capture();
        QCOMPARE(revert.RevertWrites(), TWrites{});
        revert.Reported(EDIDRATE, 0);
        revert.Capture();
        QCOMPARE(revert.RevertWrites(), (TWrites{{EDIDFMT, 16}, {EDIDRATE, 0}}));

        // Later reports change the capture only when captured again.
        revert.Reported(EDIDFMT, 2);
        QCOMPARE(revert.RevertWrites(), (TWrites{{EDIDFMT, 16}, {EDIDRATE, 0}}));
        revert.Capture();
        QCOMPARE(revert.RevertWrites(), (TWrites{{EDIDFMT, 2}, {EDIDRATE, 0}}));

        revert.Identified(false);
        revert.Reported(EDIDFMT, 2);
        revert.Reported(EDIDRATE, 0);
        revert.Capture();
        QCOMPARE(revert.RevertWrites(), TWrites{});
    }
};

MORLIX_TEST(EdidTablesTest)
#include "tst_edidtables.moc"
