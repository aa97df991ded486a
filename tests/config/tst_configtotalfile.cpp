#include "TestRegistry.h"
#include "config/CheckSum_Halvor.h"
#include "config/ConfigTotalFile.h"
#include "config/KeyValueFile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every slot's five values differ, so a value filed or read under the wrong
// slot or variable shows.
TZoomSlots NumberedSlots()
{
    TZoomSlots zoom;
    for (int slot = 0; slot < ZoomSlots::SlotCount; ++slot)
        for (int i = 0; i < ZoomSlots::VarCount; ++i) {
            const int varNumber = ZoomSlots::Variables[size_t(i)];
            zoom.Set(varNumber, slot, varNumber == ZMSCALE ? uint16_t(slot % 2) : uint16_t(1000 * i + slot));
        }
    return zoom;
}

TPresetCaptions Captions()
{
    return {QStringLiteral("Wide"), QStringLiteral("Été"), QStringLiteral("a=b"), QString(),
            QStringLiteral("5"), QStringLiteral("Six"), QStringLiteral("Sept"), QStringLiteral("Huit")};
}

} // namespace

class ConfigTotalFileTest : public QObject
{
    Q_OBJECT
private slots:
    void unconnectedDeviceGivesTheSixtyEightLines()
    {
        // Nothing reported: every value 0.
        const QStringList lines = ConfigTotalFile::Build(TZoomSlots{}, Captions());
        QCOMPARE(lines.size(), ConfigTotalFile::LineCount);
        QCOMPARE(lines[0], QStringLiteral("Morlix_VERSION_INI_FILE=3"));
        QCOMPARE(lines[1], QStringLiteral(" "));
        QCOMPARE(lines[2], QStringLiteral("//----------------------------------//"));
        QCOMPARE(lines[2].size(), 38);
        QCOMPARE(lines.mid(3, 6), (QStringList{"ZMSCALE0=0", "ZMHPOS0=0", "ZMVPOS0=0", "ZMHSIZE0=0", "ZMVSIZE0=0",
                                               "//----------------------------------//"}));
        QCOMPARE(lines[55], QStringLiteral("ZMVSIZE8=0"));
        QCOMPARE(lines.mid(57, 2), (QStringList{" ", " "}));
        QCOMPARE(lines[59], QStringLiteral("SpeedButton_Preset1Caption=Wide"));
        QCOMPARE(lines[60], QStringLiteral("SpeedButton_Preset2Caption=Été"));
        QCOMPARE(lines[61], QStringLiteral("SpeedButton_Preset3Caption=a=b"));
        QCOMPARE(lines[62], QStringLiteral("SpeedButton_Preset4Caption="));
        QVERIFY(lines[67].startsWith(QStringLiteral("CheckSum=")));
        // The settings code's own check accepts it.
        QStringList checked = lines;
        TCheckSum_Halvor checksum;
        checksum.SetStringlist_With_CheckSum(&checked);
        QVERIFY(!checksum.InvalideFile());
    }

    void writtenFileParsesBackWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MyMorlixConfig.mlx");
        const TZoomSlots zoom = NumberedSlots();
        QCOMPARE(ConfigTotalFile::Save(path, ConfigTotalFile::Build(zoom, Captions())), QString());
        const ConfigTotalFile::TContent content = ConfigTotalFile::Load(path);
        QVERIFY2(content.Ok, qPrintable(content.Messages.join('\n')));
        QCOMPARE(content.Slots.Values, zoom.Values);
        QCOMPARE(content.Captions, Captions());
    }

    void damagedFilesAreRefusedWhole_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("resign");
        QTest::addColumn<QString>("message");
        // A change below makes the file invalid unless it is signed again.
        QTest::newRow("version 2") << "Morlix_VERSION_INI_FILE=3" << "Morlix_VERSION_INI_FILE=2" << true
                                   << "File not compatible";
        QTest::newRow("one digit changed") << "ZMHPOS3=1003" << "ZMHPOS3=1004" << false << "Invalid ini file";
        QTest::newRow("not a number") << "ZMHPOS3=1003" << "ZMHPOS3=abc" << true << "ZMHPOS3 holds \"abc\"";
        QTest::newRow("beyond 16 bits") << "ZMVSIZE5=4005" << "ZMVSIZE5=70000" << true << "ZMVSIZE5 holds \"70000\"";
        QTest::newRow("scale beyond its range") << "ZMSCALE2=0" << "ZMSCALE2=2" << true << "ZMSCALE2 holds \"2\"";
        QTest::newRow("negative") << "ZMHPOS1=1001" << "ZMHPOS1=-1" << true << "ZMHPOS1 holds \"-1\"";
        QTest::newRow("missing entry") << "ZMVPOS7=2007" << "" << true << "ZMVPOS7 is missing";
        QTest::newRow("no checksum line, bad value") << "ZMHPOS3=1003" << "ZMHPOS3=1e3" << false
                                                     << "ZMHPOS3 holds \"1e3\"";
    }

    void damagedFilesAreRefusedWhole()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, resign);
        QFETCH(QString, message);
        QStringList lines = ConfigTotalFile::Build(NumberedSlots(), Captions());
        const int line = int(lines.indexOf(from));
        QVERIFY(line >= 0);
        if (to.isEmpty())
            lines.removeAt(line);
        else
            lines[line] = to;
        if (QString(QTest::currentDataTag()).startsWith("no checksum"))
            lines.removeLast();
        else if (resign) {
            lines.removeLast();
            lines = TCheckSum_Halvor::Signed(lines);
        }
        const ConfigTotalFile::TContent content = ConfigTotalFile::Parse(lines);
        QVERIFY(!content.Ok);
        QVERIFY2(content.Messages.join('\n').contains(message), qPrintable(content.Messages.join('\n')));
        QVERIFY(content.Messages.last().contains("File not compatible"));
    }

    void sumKeepingChangesAndMissingChecksumPass()
    {
        QStringList lines = ConfigTotalFile::Build(NumberedSlots(), Captions());
        // Two digits swapped keep the sum: the check cannot see it.
        lines[lines.indexOf("ZMHPOS3=1003")] = "ZMHPOS3=1030";
        ConfigTotalFile::TContent content = ConfigTotalFile::Parse(lines);
        QVERIFY(content.Ok);
        QCOMPARE(content.Slots.Value(ZMHPOS, 3), uint16_t(1030));
        lines.removeLast();
        QVERIFY(ConfigTotalFile::Parse(lines).Ok);
    }

    void aDamagedFileHasNoSayInTheNext()
    {
        QStringList damaged = ConfigTotalFile::Build(NumberedSlots(), Captions());
        damaged[5] = "ZMVPOS0=9";
        QVERIFY(!ConfigTotalFile::Parse(damaged).Ok);
        QVERIFY(ConfigTotalFile::Parse(ConfigTotalFile::Build(NumberedSlots(), Captions())).Ok);
    }

    void missingAndUnreadableFilesSaySo()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath("gone.mlx");
        ConfigTotalFile::TContent content = ConfigTotalFile::Load(missing);
        QVERIFY(!content.Ok);
        QCOMPARE(content.Messages, QStringList{missing + " does not exist"});
        content = ConfigTotalFile::Load(dir.path());
        QVERIFY(!content.Ok);
        QVERIFY(content.Messages.first().startsWith("Cannot read " + dir.path()));
        const QString error = ConfigTotalFile::Save(dir.filePath("no/such/folder/x.mlx"), {"A=1"});
        QVERIFY(error.startsWith("Cannot write " + dir.filePath("no/such/folder/x.mlx") + ": "));
    }
};

MORLIX_TEST(ConfigTotalFileTest)
#include "tst_configtotalfile.moc"
