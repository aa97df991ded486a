#include "TestRegistry.h"
#include "variables/VariableAddress.h"
#include "variables/VariableTable.h"

#include <QtTest>

class VariableAddressTest : public QObject
{
    Q_OBJECT
private slots:
    void parseTarget_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("varNumber"); // NoVar: refused
        QTest::addColumn<int>("element");
        QTest::addColumn<QString>("error");
        QTest::newRow("name") << "HPOS" << int(HPOS) << -1 << "";
        QTest::newRow("any case") << "hPos" << int(HPOS) << -1 << "";
        QTest::newRow("number") << "71" << int(HPOS) << -1 << "";
        QTest::newRow("first and last numbers") << "0" << int(DIESE) << -1 << "";
        QTest::newRow("element") << "iload[3]" << int(ILOAD) << 3 << "";
        QTest::newRow("element by number") << "45[5]" << int(ILOAD) << 5 << "";
        QTest::newRow("array without element") << "ILOAD" << int(ILOAD) << -1 << "";
        QTest::newRow("number past the table") << "219" << int(NoVar) << -1 << "no variable named 219";
        QTest::newRow("unknown") << "NOPE" << int(NoVar) << -1 << "no variable named NOPE";
        QTest::newRow("element of a scalar") << "HPOS[0]" << int(NoVar) << -1 << "HPOS is not an array";
        QTest::newRow("element past the array") << "ILOAD[6]" << int(NoVar) << -1 << "ILOAD has elements 0 to 5";
        QTest::newRow("huge element") << "ILOAD[99999999999]" << int(NoVar) << -1 << "ILOAD has elements 0 to 5";
        QTest::newRow("negative element") << "ILOAD[-1]" << int(NoVar) << -1 << "not a variable name: ILOAD[-1]";
    }

    void parseTarget()
    {
        QFETCH(QString, text);
        QFETCH(int, varNumber);
        QFETCH(int, element);
        QFETCH(QString, error);
        TVariableAddress address;
        QString reason;
        QCOMPARE(VariableAddress::ParseTarget(text, address, &reason), varNumber != NoVar);
        QCOMPARE(reason, error);
        if (varNumber != NoVar) {
            QCOMPARE(address.VarNumber, varNumber);
            QCOMPARE(address.Element, element);
        }
    }

    void parseAssignment_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<uint>("value");
        QTest::newRow("scalar") << "HPOS=1024" << true << 1024u;
        QTest::newRow("element") << "ZMHPOS[8]=65535" << true << 65535u;
        QTest::newRow("above 16 bits") << "HPOS=65536" << false << 0u;
        QTest::newRow("negative") << "HPOS=-1" << false << 0u;
        QTest::newRow("not a number") << "HPOS=abc" << false << 0u;
        QTest::newRow("no value") << "HPOS=" << false << 0u;
        QTest::newRow("no equals sign") << "HPOS" << false << 0u;
    }

    void parseAssignment()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(uint, value);
        TVariableAssignment assignment;
        QCOMPARE(VariableAddress::ParseAssignment(text, assignment, nullptr), ok);
        if (ok)
            QCOMPARE(assignment.Value, value);
    }

    void usedElementsFollowTheIndexRange_data()
    {
        QTest::addColumn<int>("varNumber");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("scalar") << int(HPOS) << 0 << 0;
        QTest::newRow("inputs skip element 0") << int(ILOAD) << 1 << 5;
        QTest::newRow("format list") << int(IFORMATLIST) << 0 << 4;
        QTest::newRow("zoom") << int(ZMHPOS) << 0 << 8;
        QTest::newRow("audio") << int(ABALANCE) << 0 << 6;
        QTest::newRow("LAN") << int(LANIPPORT) << 0 << 2;
    }

    void usedElementsFollowTheIndexRange()
    {
        QFETCH(int, varNumber);
        QFETCH(int, first);
        QFETCH(int, last);
        QCOMPARE(VariableAddress::FirstUsedElement(varNumber), first);
        QCOMPARE(VariableAddress::LastUsedElement(varNumber), last);
    }

    void targetNameReadsBack()
    {
        for (int n = 0; n < VarTableSize; ++n) {
            const int element = VariableAddress::LastUsedElement(n);
            TVariableAddress address;
            QVERIFY(VariableAddress::ParseTarget(VariableAddress::TargetName(n, element), address, nullptr));
            QCOMPARE(address.VarNumber, n);
            QCOMPARE(std::max(address.Element, 0), element);
        }
    }
};

MORLIX_TEST(VariableAddressTest)
#include "tst_variableaddress.moc"
