#include "TestRegistry.h"
#include "variables/ComDriverTypes.h"
#include "variables/MorlixError.h"

#include <QtTest>
#include <memory>
#include <vector>

// A full list of variables with their index links, as the driver builds it.
struct VariableList
{
    std::vector<std::unique_ptr<TVariable>> items;
    VariableList()
    {
        for (const auto &row : VarTable)
            items.push_back(std::make_unique<TVariable>(row));
        for (auto &v : items) {
            if (v->IndexVarNumber >= 0)
                v->SetIndexVariable(items[size_t(v->IndexVarNumber)].get());
            if (v->StatusIndexVarNumber >= 0)
                v->SetStatusIndexVariable(items[size_t(v->StatusIndexVarNumber)].get());
        }
    }
    TVariable &operator[](int n) { return *items[size_t(n)]; }
};

class VariableTest : public QObject
{
    Q_OBJECT
private slots:
    void startsAtZeroNotAtDefault()
    {
        VariableList vars;
        QCOMPARE(vars[HPOS].GetValue(), uint16_t(0));
        QCOMPARE(vars[HPOS].Default, uint16_t(1024));
    }

    void rangeTestIsUnsigned_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("stored");
        QTest::newRow("GAMMA above max") << int(GAMMA) << 70 << false;
        QTest::newRow("GAMMA below min") << int(GAMMA) << 4 << false;
        QTest::newRow("GAMMA at min") << int(GAMMA) << 5 << true;
        QTest::newRow("GAMMA at max") << int(GAMMA) << 40 << true;
        QTest::newRow("REFVPH high half") << int(REFVPH) << 32770 << true;
        QTest::newRow("REFVPH upper end") << int(REFVPH) << 32773 << true;
        QTest::newRow("REFVPH past end") << int(REFVPH) << 32774 << false;
        QTest::newRow("RHTOTAL default refused") << int(RHTOTAL) << 0 << false;
        QTest::newRow("DEV other code") << int(DEV) << 68 << false;
        QTest::newRow("DEV type code") << int(DEV) << 67 << true;
    }

    void rangeTestIsUnsigned()
    {
        QFETCH(int, number);
        QFETCH(int, value);
        QFETCH(bool, stored);
        VariableList vars;
        vars[number].ForceValue(12345);
        vars[number].SetValue(uint16_t(value));
        QCOMPARE(vars[number].GetValue(), stored ? uint16_t(value) : uint16_t(12345));
    }

    void forceValueSkipsRange()
    {
        VariableList vars;
        vars[DEV].SetValue(67);
        vars[DEV].SetValue(0);
        QCOMPARE(vars[DEV].GetValue(), uint16_t(67));
        vars[DEV].ForceValue(0);
        QCOMPARE(vars[DEV].GetValue(), uint16_t(0));
    }

    void arrayElementFollowsIndexVariable()
    {
        VariableList vars;
        vars[IPCHAN].SetValue(3);
        vars[ILOAD].SetValue(1);
        QCOMPARE(vars[ILOAD].GetElement(3), uint16_t(1));
        QCOMPARE(vars[ILOAD].GetValue(), uint16_t(1));
        vars[IPCHAN].SetValue(4);
        QCOMPARE(vars[ILOAD].GetValue(), uint16_t(0));
        vars[ILOAD].SetValue(2); // out of range for ILOAD: element 4 untouched
        QCOMPARE(vars[ILOAD].GetElement(4), uint16_t(0));
    }

    void elementAccess()
    {
        VariableList vars;
        vars[HPOS].SetElement(7, 99); // a scalar ignores the index
        QCOMPARE(vars[HPOS].GetValue(), uint16_t(99));
        QCOMPARE(vars[HPOS].GetElement(5), uint16_t(99));
        vars[ILOAD].SetElement(5, 1);
        QCOMPARE(vars[ILOAD].GetElement(5), uint16_t(1));
        for (int bad : {6, 100, -1}) {
            try {
                vars[ILOAD].SetElement(bad, 1);
                QFAIL("no error raised");
            } catch (const TMorlixError &e) {
                QCOMPARE(QString(e.what()), QString("Variable index out of bounds."));
            }
            QVERIFY_THROWS_EXCEPTION(TMorlixError, vars[ILOAD].GetElement(bad));
        }
    }

    void arrayWithoutLinkRaises()
    {
        TVariable load(VarTable[ILOAD]);
        try {
            load.SetValue(1);
            QFAIL("no error raised");
        } catch (const TMorlixError &e) {
            QCOMPARE(QString(e.what()), QString("Variable not initialized !"));
        }
        QVERIFY_THROWS_EXCEPTION(TMorlixError, load.GetValue());
    }
};

MORLIX_TEST(VariableTest)
#include "tst_variable.moc"
