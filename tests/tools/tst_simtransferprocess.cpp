#include "SimProcess.h"
#include "TestRegistry.h"
#include "TransferClient.h"

#include <QTemporaryDir>
#include <QtTest>

// Upload and download through the simulator program, over each kind of line
// the application can use for a transfer.
class SimTransferProcessTest : public QObject
{
    Q_OBJECT
private slots:
    void uploadThenDownload_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("tcp") << false;
        QTest::newRow("pseudo-terminal") << true;
    }
    void uploadThenDownload()
    {
        QFETCH(bool, serial);
        QTemporaryDir dir;
        const QString pty = dir.filePath("ttyMorlix");
        QProcess simulator;
        simulator.start(SimulatorPath(), serial ? QStringList{"--pty", pty} : QStringList{"--tcp", "0"});
        QVERIFY(simulator.waitForStarted(TransferClient::Patience));

        TransferClient client;
        if (serial) {
            QVERIFY(ListeningLine(simulator).contains("listening on pty"));
            QVERIFY(client.ConnectSerial(pty));
        } else {
            const quint16 port = ListeningPort(simulator);
            QVERIFY(port != 0);
            QVERIFY(client.ConnectTcp(port));
        }
        const QImage picture = MixedPicture(97, 31);
        const uint8_t interlacedLogo = PictureLimits::KindStillLogo + TransferRecords::Flags::Interlaced;
        QVERIFY(client.Upload(picture, interlacedLogo, 2));
        QCOMPARE(client.Link.BaudRate(), 9600u);
        QCOMPARE(client.Download(interlacedLogo, 2), picture);

        simulator.terminate();
        QVERIFY(simulator.waitForFinished(TransferClient::Patience));
    }
};

MORLIX_TEST(SimTransferProcessTest)
#include "tst_simtransferprocess.moc"
