#include "TestRegistry.h"
#include "config/CheckSum_Halvor.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {
QStringList Signed(const QStringList &lines) { return TCheckSum_Halvor::Signed(lines); }
} // namespace

class CheckSumTest : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples()
    {
        QCOMPARE(Signed({}), (QStringList{"CheckSum=134"}));
        QCOMPARE(Signed({"A=1"}), (QStringList{"A=1", "CheckSum=330"}));
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("invalid");
        const QStringList good = Signed({"ConType=ctTCP", "IP=192.168.0.10", "Name=Régie"});
        QTest::newRow("as signed") << good << false;
        QStringList changed = good;
        changed[0] = "ConType=ctUDP";
        QTest::newRow("value changed") << changed << true;
        QStringList swapped = good;
        swapped[1] = "IP=192.168.0.01"; // same characters, same sum
        QTest::newRow("exchange keeps sum") << swapped << false;
        QStringList accent = good;
        accent[2] = "Name=Rëgie"; // both 128 or more
        QTest::newRow("high characters count alike") << accent << false;
        QTest::newRow("Null value") << QStringList{"A=1", "CheckSum=Null"} << false;
        QTest::newRow("letters after =") << QStringList{"A=1", "CheckSum=12ab"} << false;
        QTest::newRow("no checksum line") << QStringList{"A=1"} << false;
        QTest::newRow("negative") << QStringList{"A=1", "CheckSum=-330"} << true;
        QTest::newRow("beyond 32 bits") << QStringList{"A=1", "CheckSum=4294967626"} << true;
        QStringList below = good;
        below << "Extra=1";
        QTest::newRow("change below is not seen") << below << false;
        QTest::newRow("lower-case key") << QStringList{"A=1", "checksum=330"} << true;
    }

    void check()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, invalid);
        TCheckSum_Halvor sum;
        QSignalSpy event(&sum, &TCheckSum_Halvor::OnInvalideFileNotifyChange);
        QSignalSpy message(&sum, &TCheckSum_Halvor::MessageRequested);
        const QStringList before = lines;
        sum.Read_or_Write = _Read;
        sum.SetStringlist_With_CheckSum(&lines);
        QCOMPARE(sum.InvalideFile(), invalid);
        QCOMPARE(event.count(), invalid ? 1 : 0);
        QCOMPARE(message.count(), invalid ? 1 : 0);
        if (invalid)
            QCOMPARE(message.at(0).at(0).toString(), QString("Invalid ini file"));
        QCOMPARE(lines, before); // a check never changes the list
    }

    void anotherKeyContainingCheckSumStopsTheSum()
    {
        // Signing and checking agree even when "CheckSum" appears earlier.
        QStringList lines = Signed({"Note=CheckSum here", "B=2"});
        TCheckSum_Halvor sum;
        sum.SetStringlist_With_CheckSum(&lines);
        QVERIFY(!sum.InvalideFile());
        lines[1] = "B=3"; // after the first occurrence: not counted
        sum.SetStringlist_With_CheckSum(&lines);
        QVERIFY(!sum.InvalideFile());
    }

    void signingAListThatIsAlreadySignedPassesTheCheck_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("its own case") << QStringList{"A=1", "CheckSum=17"};
        QTest::newRow("another case, LF file") << QStringList{"A=1", "B=2", "checkSUM=17"};
        QTest::newRow("in the middle, twice") << QStringList{"CHECKSUM=1", "A=1", "checksum", "B=2"};
    }

    void signingAListThatIsAlreadySignedPassesTheCheck()
    {
        QFETCH(QStringList, lines);
        QStringList signedLines = Signed(lines);
        QCOMPARE(signedLines.filter(QRegularExpression("^checksum", QRegularExpression::CaseInsensitiveOption)).size(), 1);
        QVERIFY(signedLines.last().startsWith("CheckSum="));
        TCheckSum_Halvor sum;
        sum.SetStringlist_With_CheckSum(&signedLines);
        QVERIFY(!sum.InvalideFile());
    }

    void invalidIsSticky()
    {
        TCheckSum_Halvor sum;
        QStringList bad{"A=2", "CheckSum=330"};
        sum.SetStringlist_With_CheckSum(&bad);
        QVERIFY(sum.InvalideFile());
        QStringList good = Signed({"A=1"});
        sum.SetStringlist_With_CheckSum(&good);
        sum.Read_or_Write = _Write;
        QStringList more{"B=1"};
        sum.SetStringlist_With_CheckSum(&more);
        QVERIFY(sum.InvalideFile());
    }
};

MORLIX_TEST(CheckSumTest)
#include "tst_checksum.moc"
