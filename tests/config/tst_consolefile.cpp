#include "TestRegistry.h"
#include "config/ConsoleFile.h"
#include "config/TextLines.h"

#include <QtTest>

namespace {
constexpr int ListLines = 219;

QByteArray BytesOf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

ConsoleFile::TContents Sample()
{
    ConsoleFile::TContents contents;
    contents.Buttons[0] = {"Registre", "4660@>"};
    contents.Buttons[7] = {"Réglé", "a;b;c=d é"};
    contents.Buttons[29] = {"", "=;="};
    contents.Checked = QVector<bool>(ListLines, true);
    contents.Checked[3] = false;
    contents.Checked[218] = false;
    contents.Geometry = QRect(-40, 25, 900, 600);
    return contents;
}
} // namespace

class ConsoleFileTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsWhatWasTyped()
    {
        const ConsoleFile::TContents written = Sample();
        const QStringList lines = ConsoleFile::Lines(written);
        QCOMPARE(lines.first(), QStringLiteral("0=Registre;4660@>"));
        QCOMPARE(lines[7], QStringLiteral("7=Réglé;a;b;c=d é"));
        QCOMPARE(lines[30], QStringLiteral("Checked0=True"));
        QCOMPARE(lines[33], QStringLiteral("Checked3=False"));
        QCOMPARE(lines.mid(lines.size() - 4), QStringList({"Top=25", "Left=-40", "SizeW=900", "SizeH=600"}));

        const ConsoleFile::TParsed read = ConsoleFile::Parse(BytesOf(lines), ListLines);
        QVERIFY2(read.Complete, qPrintable(read.Problem));
        QCOMPARE(read.Contents.Buttons, written.Buttons);
        QCOMPARE(read.Contents.Checked, written.Checked);
        QCOMPARE(read.Contents.Geometry, written.Geometry);
    }

    void readsTheFileAsItsFirstWritersLeftIt_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("checked");
        QTest::newRow("True") << QByteArray("Checked0=True") << true;
        QTest::newRow("lower case") << QByteArray("checked0=true") << true;
        QTest::newRow("False") << QByteArray("Checked0=False") << false;
        QTest::newRow("number") << QByteArray("Checked0=-1") << true;
        QTest::newRow("zero") << QByteArray("Checked0=0") << false;
        QTest::newRow("not a Boolean") << QByteArray("Checked0=Oui") << false;
    }
    void readsTheFileAsItsFirstWritersLeftIt()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, checked);
        QByteArray bytes;
        for (int n = 0; n < ConsoleFile::ButtonCount; ++n)
            bytes += QByteArray::number(n) + "=\n";
        bytes += line + "\n";
        const ConsoleFile::TParsed read = ConsoleFile::Parse(bytes, 1);
        QCOMPARE(read.Contents.Checked, QVector<bool>{checked});
        // Without the window's place the rest is still used.
        QVERIFY(!read.Complete);
        QVERIFY(!read.Contents.Geometry);
    }

    void truncatedFileIsUsedAsFarAsItGoes()
    {
        const QByteArray whole = BytesOf(ConsoleFile::Lines(Sample()));
        // Cut in the middle of the marks: buttons and the first marks are
        // read, the other lines stay checked, the window keeps its place.
        const qsizetype cut = whole.indexOf("Checked5=");
        const ConsoleFile::TParsed read = ConsoleFile::Parse(whole.left(cut), ListLines);
        QVERIFY(!read.Complete);
        QCOMPARE(read.Contents.Buttons, Sample().Buttons);
        QCOMPARE(read.Contents.Checked[3], false);
        QCOMPARE(read.Contents.Checked[218], true);
        QVERIFY(!read.Contents.Geometry);

        const ConsoleFile::TParsed cutInButtons = ConsoleFile::Parse(whole.left(whole.indexOf("8=")), ListLines);
        QCOMPARE(cutInButtons.Contents.Buttons[7], Sample().Buttons[7]);
        QCOMPARE(cutInButtons.Contents.Buttons[29], ConsoleFile::TButton());
        QCOMPARE(cutInButtons.Contents.Checked, QVector<bool>(ListLines, true));
    }

    void hostileFilesChangeNothingThatMatters_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray huge(ConsoleFile::MaxFileSize + 1, 'x');
        QTest::newRow("huge") << huge;
        QTest::newRow("binary") << QByteArray("\0\xff\r\r\n=\0=;;\x80", 12);
        QTest::newRow("no names") << QByteArray("=0\n=\n==\n;\n");
        QByteArray badPlace = BytesOf(ConsoleFile::Lines(Sample()));
        badPlace.replace("SizeW=900", "SizeW=99999999999");
        QTest::newRow("window too large") << badPlace;
        QByteArray negative = BytesOf(ConsoleFile::Lines(Sample()));
        negative.replace("SizeH=600", "SizeH=-5");
        QTest::newRow("negative height") << negative;
    }
    void hostileFilesChangeNothingThatMatters()
    {
        QFETCH(QByteArray, bytes);
        const ConsoleFile::TParsed read = ConsoleFile::Parse(bytes, ListLines);
        QVERIFY(!read.Complete);
        QVERIFY(!read.Problem.isEmpty());
        QVERIFY(!read.Contents.Geometry);
        QCOMPARE(read.Contents.Buttons.size(), ConsoleFile::ButtonCount);
        QCOMPARE(read.Contents.Checked.size(), ListLines);
    }

    void firstLineOfANameWins()
    {
        QByteArray bytes = BytesOf(ConsoleFile::Lines(Sample()));
        bytes.prepend("0=Premier;1\r\n");
        QCOMPARE(ConsoleFile::Parse(bytes, ListLines).Contents.Buttons[0], ConsoleFile::TButton({"Premier", "1"}));
    }

    void refusesWhatTheFileCannotHold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("descriptorOk");
        QTest::addColumn<bool>("stringOk");
        QTest::newRow("plain") << "Reg 1" << true << true;
        QTest::newRow("accents") << "Donnée é" << true << true;
        QTest::newRow("semicolon") << "a;b" << false << true;
        QTest::newRow("equals") << "a=b" << true << true;
        QTest::newRow("line feed") << "a\nb" << false << false;
        QTest::newRow("carriage return") << "a\rb" << false << false;
        QTest::newRow("beyond Latin-1") << QString::fromUtf8("€") << false << false;
    }
    void refusesWhatTheFileCannotHold()
    {
        QFETCH(QString, text);
        QFETCH(bool, descriptorOk);
        QFETCH(bool, stringOk);
        QCOMPARE(ConsoleFile::DescriptorProblem(text).isEmpty(), descriptorOk);
        QCOMPARE(ConsoleFile::StringProblem(text).isEmpty(), stringOk);
    }

    void textLinesWhateverTheirEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        const QStringList three{"1RX", "2RY", "RX"};
        QTest::newRow("LF") << "1RX\n2RY\nRX\n" << three;
        QTest::newRow("CR LF") << "1RX\r\n2RY\r\nRX\r\n" << three;
        QTest::newRow("CR") << "1RX\r2RY\rRX\r" << three;
        QTest::newRow("no final end") << "1RX\r\n2RY\nRX" << three;
        QTest::newRow("empty line kept") << "a\n\nb" << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void textLinesWhateverTheirEnds()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(TextLines::Split(text), lines);
    }
};

MORLIX_TEST(ConsoleFileTest)
#include "tst_consolefile.moc"
