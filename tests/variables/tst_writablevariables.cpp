#include "TestRegistry.h"
#include "variables/VariableTable.h"
#include "variables/WritableVariables.h"

#include <QtTest>

class WritableVariablesTest : public QObject
{
    Q_OBJECT
private slots:
    void restorable_data()
    {
        QTest::addColumn<int>("varNumber");
        QTest::addColumn<bool>("restorable");
        QTest::newRow("resend request") << int(DIESE) << false;
        QTest::newRow("device type") << int(DEV) << false;
        QTest::newRow("register window") << int(DATADBG) << false;
        QTest::newRow("store") << int(STORE) << false;
        QTest::newRow("factory reset") << int(FACTORYRESET) << false;
        QTest::newRow("firmware update reset") << int(UPDATER) << false;
        QTest::newRow("transfer mode") << int(PMODE) << false;
        QTest::newRow("version") << int(VERV) << false;
        QTest::newRow("current input") << int(ICH) << false;
        QTest::newRow("volume status") << int(AMASTERVOLUME_STATUS) << false;
        QTest::newRow("detected format") << int(INAME) << false;
        QTest::newRow("position") << int(HPOS) << true;
        QTest::newRow("input selection") << int(ICHN) << true;
        QTest::newRow("input array") << int(ILOAD) << true;
        QTest::newRow("setting index") << int(IPCHAN) << true;
        QTest::newRow("LAN port") << int(LANIPPORT) << true;
        QTest::newRow("before the table") << -1 << false;
        QTest::newRow("past the table") << int(VarTableSize) << false;
    }

    void restorable()
    {
        QFETCH(int, varNumber);
        QFETCH(bool, restorable);
        QCOMPARE(WritableVariables::IsRestorable(varNumber), restorable);
    }

    // A status copy written back would claim a state the device is not in.
    void noStatusIndexIsRestorable()
    {
        for (const TVarDescriptor &row : VarTable)
            if (row.StatusIndexVar != NoVar)
                QVERIFY2(!WritableVariables::IsRestorable(row.StatusIndexVar), VarTable[row.StatusIndexVar].Name);
    }

    void settingIndexesAreThoseOfTheArrays()
    {
        QList<int> indexes;
        for (int n = -1; n <= VarTableSize; ++n)
            if (WritableVariables::IsSettingIndex(n))
                indexes << n;
        QCOMPARE(indexes, (QList<int>{IPCHAN, IFORMATINDEX, ZMINDEX, APCHAN, LANPADIP}));
    }
};

MORLIX_TEST(WritableVariablesTest)
#include "tst_writablevariables.moc"
