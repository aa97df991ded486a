#include "SimProcess.h"
#include "TestRegistry.h"
#include "TransferClient.h"
#include "transfer/JpegDecoder.h"

#include <QTemporaryDir>
#include <QtTest>

// morlixctl upload and download against the simulator program.
class MorlixctlTransferTest : public QObject
{
    Q_OBJECT
private slots:
    void uploadThenDownload_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("logo, interlaced") << "logo:3" << QStringList{};
        QTest::newRow("frame, progressive") << "frame" << QStringList{"--no-interlace"};
    }
    void uploadThenDownload()
    {
        QFETCH(QString, destination);
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        const QString source = dir.filePath("logo.bmp");
        const QImage picture = MixedPicture(61, 17);
        QVERIFY(picture.save(source, "BMP"));
        SimProcess sim;
        QVERIFY(sim.Start());

        const CtlResult upload =
            RunCtl(QStringList{"--tcp", sim.Link(), "upload", source, "--dest", destination} + options);
        QVERIFY2(upload.ExitCode == 0, upload.Err.constData());
        QVERIFY2(upload.Out.contains("61 x 17 to") && upload.Out.contains("records"), upload.Out.constData());

        const QString back = dir.filePath("back.bmp");
        const CtlResult download = RunCtl(QStringList{"--tcp", sim.Link(), "download", "--dest", destination, back} + options);
        QVERIFY2(download.ExitCode == 0, download.Err.constData());
        QCOMPARE(QImage(back).convertToFormat(QImage::Format_RGB888), picture);
    }

    // The JPEG is written by the program's own encoder, whatever image
    // plugins the system has.
    void downloadWritesAJpegWhenAsked()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("logo.bmp");
        QImage picture(40, 24, QImage::Format_RGB888);
        picture.fill(qRgb(200, 30, 60));
        QVERIFY(picture.save(source, "BMP"));
        SimProcess sim;
        QVERIFY(sim.Start());
        QCOMPARE(RunCtl({"--tcp", sim.Link(), "upload", source, "--dest", "logo:1"}).ExitCode, 0);
        const QString back = dir.filePath("back.JPG");
        const CtlResult download = RunCtl({"--tcp", sim.Link(), "download", "--dest", "logo:1", back});
        QVERIFY2(download.ExitCode == 0, download.Err.constData());
        QFile file(back);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const TDecoded<QImage> decoded = DecodeJpeg(file.readAll());
        QVERIFY2(decoded.Ok(), qPrintable(decoded.Error));
        QCOMPARE(decoded.Value.size(), picture.size());
        const QColor middle = decoded.Value.pixelColor(20, 12);
        QVERIFY(std::abs(middle.red() - 200) < 6 && std::abs(middle.green() - 30) < 6 && std::abs(middle.blue() - 60) < 6);
    }

    void emptyDestination()
    {
        QTemporaryDir dir;
        SimProcess sim;
        QVERIFY(sim.Start());
        const CtlResult download =
            RunCtl({"--tcp", sim.Link(), "download", "--dest", "anim", dir.filePath("none.bmp")});
        QCOMPARE(download.ExitCode, 1);
        QVERIFY2(download.Err.contains("No Logo or Frame Stored"), download.Err.constData());
        QVERIFY(!QFile::exists(dir.filePath("none.bmp")));
    }

    void refusedArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no destination") << QStringList{"upload", "x.bmp"} << 2;
        QTest::newRow("logo 5 does not exist") << QStringList{"upload", "x.bmp", "--dest", "logo:5"} << 2;
        QTest::newRow("key out of range") << QStringList{"upload", "x.bmp", "--dest", "frame", "--key", "256"} << 2;
        QTest::newRow("download without a file") << QStringList{"download", "--dest", "frame"} << 2;
        QTest::newRow("unreadable picture") << QStringList{"upload", "/nonexistent.bmp", "--dest", "frame"} << 1;
    }
    void refusedArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QCOMPARE(RunCtl(QStringList{"--tcp", "127.0.0.1:1"} + arguments).ExitCode, exitCode);
    }
};

MORLIX_TEST(MorlixctlTransferTest)
#include "tst_morlixctltransfer.moc"
