#include "TestRegistry.h"
#include "config/KeyValueFile.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/MirrorDumpFile.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {
QStringList ReadLines(const QString &path)
{
    QStringList lines;
    return KeyValueFile::Read(path, lines) ? lines : QStringList{};
}
} // namespace

// `morlix --dump-mirror FILE`: the mirror is written once the device has
// resent everything and again on SIGUSR1, in the lines `morlixctl dump`
// writes.
class MirrorDumpFileTest : public QObject
{
    Q_OBJECT
private slots:
    void writtenAfterTheResendAndOnRequest()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("mirror.txt");
        TComDriverMorlix driver;
        TMirrorDumpFile dump(driver, path);
        QSignalSpy written(&dump, &TMirrorDumpFile::Written);

        driver.ReceiveChunk("RX100\r\n");
        QCOMPARE(written.count(), 0); // no resend yet
        driver.ReceiveChunk("#1\r\nRX200\r\nIP3\r\nIp3\r\nIZ1\r\n#0\r\n");
        QCOMPARE(written.count(), 1);
        QCOMPARE(written.first().first().toString(), QString());
        QStringList lines = ReadLines(path);
        QVERIFY(lines.contains("HPOS=200"));
        QVERIFY(lines.contains("ILOAD[3]=1"));
        QCOMPARE(lines.first(), QStringLiteral("DIESE=0"));

        driver.ReceiveChunk("RX5\r\n");
        QCOMPARE(std::raise(SIGUSR1), 0);
        QTRY_COMPARE_WITH_TIMEOUT(written.count(), 2, 5000);
        lines = ReadLines(path);
        QVERIFY(lines.contains("HPOS=5"));
    }

    void unwritableFileIsTold()
    {
        TComDriverMorlix driver;
        TMirrorDumpFile dump(driver, "/nonexistent-folder/mirror.txt");
        QSignalSpy written(&dump, &TMirrorDumpFile::Written);
        driver.ReceiveChunk("#1\r\n#0\r\n");
        QCOMPARE(written.count(), 1);
        QVERIFY(!written.first().first().toString().isEmpty());
    }
};

MORLIX_TEST(MirrorDumpFileTest)
#include "tst_mirrordumpfile.moc"
