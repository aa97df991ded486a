#include "TestRegistry.h"
#include "variables/VariableTable.h"

#include <QSet>
#include <QString>
#include <QtTest>

// The invariants other parts of the program rely on: the reply parser needs
// unique, prefix-free reply mnemonics; the pages need the array groups and
// their index variables; the range test needs defaults inside their ranges.
class VariableTableTest : public QObject
{
    Q_OBJECT
private slots:
    void namesAreUnique()
    {
        QSet<QString> names;
        for (const auto &row : VarTable)
            names.insert(QString::fromLatin1(row.Name));
        QCOMPARE(names.size(), VarTableSize);
    }

    void replyMnemonicsAreUniqueButNull()
    {
        QStringList nullRows;
        QSet<QString> seen;
        for (const auto &row : VarTable) {
            const QString reply = QString::fromLatin1(row.ReplyMnemonic);
            if (reply == QLatin1String("NULL")) {
                nullRows << QString::fromLatin1(row.Name);
                continue;
            }
            QVERIFY2(!seen.contains(reply), qPrintable(reply));
            seen.insert(reply);
        }
        QCOMPARE(nullRows, (QStringList{"AMX", "XCR"}));
    }

    void noReplyMnemonicIsPrefixOfAnother()
    {
        for (int a = 0; a < VarTableSize; ++a)
            for (int b = 0; b < VarTableSize; ++b) {
                const QString ra = QString::fromLatin1(VarTable[a].ReplyMnemonic);
                const QString rb = QString::fromLatin1(VarTable[b].ReplyMnemonic);
                if (a != b && ra != rb)
                    QVERIFY2(!rb.startsWith(ra), qPrintable(ra + " prefixes " + rb));
            }
    }

    void sendAndReplyDifferOnlyForFiveRows()
    {
        QStringList differing;
        for (const auto &row : VarTable)
            if (QString::fromLatin1(row.SendMnemonic) != QString::fromLatin1(row.ReplyMnemonic))
                differing << QString("%1:%2/%3").arg(row.Name, row.SendMnemonic, row.ReplyMnemonic);
        QCOMPARE(differing, (QStringList{"ADDRDBG:@/ADBG", "DATADBG:>/DDBG", "DEV:?/DEV", "AMX:AM/NULL",
                                         "XCR:X,13/NULL"}));
    }

    void arrayGroups_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("statusSize");
        QTest::addColumn<int>("statusIndex");
        QTest::newRow("inputs") << int(ILOAD) << int(INAME) << 6 << int(IPCHAN) << 6 << int(IPCHANSTATUS);
        QTest::newRow("format list") << int(IFORMATLIST) << int(IFORMATLIST) << 5 << int(IFORMATINDEX) << 3
                                     << int(IFORMATINDEXSTATUS);
        QTest::newRow("zoom") << int(ZMSCALE) << int(ZMVPOS) << 9 << int(ZMINDEX) << 9 << int(ZMINDEXSTATUS);
        QTest::newRow("audio") << int(ALEVEL) << int(ABALANCE) << 7 << int(APCHAN) << 7 << int(APCHANSTATUS);
        QTest::newRow("lan") << int(LANIP4) << int(LANIPPORT) << 3 << int(LANPADIP) << 3 << int(LANPADIPSTATUS);
    }

    void arrayGroups()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, size);
        QFETCH(int, index);
        QFETCH(int, statusSize);
        QFETCH(int, statusIndex);
        for (int n = first; n <= last; ++n) {
            QCOMPARE(VarTable[n].ArraySize, size);
            QCOMPARE(VarTable[n].IndexVar, index);
            QCOMPARE(VarTable[n].StatusArraySize, statusSize);
            QCOMPARE(VarTable[n].StatusIndexVar, statusIndex);
        }
        // Index variables are scalars whose range stays inside the arrays.
        QCOMPARE(VarTable[index].ArraySize, 1);
        QVERIFY(int(VarTable[index].Max) < size);
    }

    void onlyTheFiveGroupsAreArrays()
    {
        int arrays = 0;
        for (const auto &row : VarTable) {
            if (row.ArraySize == 1) {
                QCOMPARE(row.IndexVar, int(NoVar));
                QCOMPARE(row.StatusIndexVar, int(NoVar));
                QCOMPARE(row.StatusArraySize, -1);
            } else {
                ++arrays;
            }
        }
        QCOMPARE(arrays, VarTableSize - 189);
    }

    void defaultsWithinRangeExceptRhtotal()
    {
        for (int n = 0; n < VarTableSize; ++n) {
            const auto &row = VarTable[n];
            QVERIFY(row.Min <= row.Max);
            if (n == RHTOTAL)
                QVERIFY(row.Default < row.Min);
            else
                QVERIFY2(row.Default >= row.Min && row.Default <= row.Max, row.Name);
        }
    }

    // Rows held against the device manual, one from each region of the table.
    void spotCheck_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("send");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("def");
        QTest::newRow("DIESE") << 0 << "DIESE" << "#" << "#" << 0 << 1 << 0;
        QTest::newRow("DEV") << 7 << "DEV" << "?" << "DEV" << 67 << 67 << 67;
        QTest::newRow("XCR") << 11 << "XCR" << "X,13" << "NULL" << 0 << 65535 << 0;
        QTest::newRow("VERV") << 32 << "VERV" << "xV" << "xV" << 0 << 65535 << 32;
        QTest::newRow("IPCHANSTATUS") << 44 << "IPCHANSTATUS" << "Ip" << "Ip" << 1 << 5 << 1;
        QTest::newRow("HPOS") << 71 << "HPOS" << "RX" << "RX" << 0 << 2048 << 1024;
        QTest::newRow("RHTOTAL") << 85 << "RHTOTAL" << "RD" << "RD" << 200 << 65535 << 0;
        QTest::newRow("GAMMA") << 93 << "GAMMA" << "RG" << "RG" << 5 << 40 << 10;
        QTest::newRow("ALEVEL_STATUS") << 115 << "ALEVEL_STATUS" << "Al" << "Al" << 78 << 148 << 128;
        QTest::newRow("OCCVT_RATE") << 152 << "OCCVT_RATE" << "Fr" << "Fr" << 100 << 10000 << 6000;
        QTest::newRow("REFVPH") << 176 << "REFVPH" << "XV" << "XV" << 32763 << 32773 << 32768;
        QTest::newRow("PVALID") << 182 << "PVALID" << "PV" << "PV" << 1 << 31 << 1;
        QTest::newRow("LANIPPORT") << 216 << "LANIPPORT" << "np" << "np" << 0 << 65500 << 10500;
        QTest::newRow("LANPROTOCOL") << 218 << "LANPROTOCOL" << "nt" << "nt" << 0 << 1 << 1;
    }

    void spotCheck()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, send);
        QFETCH(QString, reply);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, def);
        const auto &row = VarTable[number];
        QCOMPARE(QString::fromLatin1(row.Name), name);
        QCOMPARE(QString::fromLatin1(row.SendMnemonic), send);
        QCOMPARE(QString::fromLatin1(row.ReplyMnemonic), reply);
        QCOMPARE(int(row.Min), min);
        QCOMPARE(int(row.Max), max);
        QCOMPARE(int(row.Default), def);
    }
};

MORLIX_TEST(VariableTableTest)
#include "tst_variabletable.moc"
