#include "TestRegistry.h"
#include "helper_pty.h"
#include "link/ComPort2.h"

#include <QSignalSpy>
#include <QtTest>

class ComPortTest : public QObject
{
    Q_OBJECT
private slots:
    void missingPortRaisesWithTheSystemsReason()
    {
        TComPort2 port;
        port.SetPort("/dev/no-such-port");
        try {
            port.Open();
            QFAIL("opened a missing port");
        } catch (const EComError &error) {
            const QString text = QString::fromStdString(error.what());
            QVERIFY2(text.startsWith("TCOMPORT : cannot open /dev/no-such-port\r\n"), qPrintable(text));
            QVERIFY(text.size() > QString("TCOMPORT : cannot open /dev/no-such-port\r\n").size());
        }
        QVERIFY(!port.Opened());
    }

    void terminatorText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<QString>("error");
        QTest::newRow("CR LF") << "#13#10" << "#13#10" << "";
        QTest::newRow("first character skipped") << "13#10" << "#3#10" << "";
        QTest::newRow("single") << "#4" << "#4" << "";
        QTest::newRow("not a number") << "#13#x" << "#13#10" << "Illegal terminator String.";
        QTest::newRow("not a code") << "#300" << "#13#10" << "Illegal terminator String.";
        QTest::newRow("nothing after the mark") << "#" << "#4" << "Terminator String cannot be empty!";
        QTest::newRow("empty") << "" << "#4" << "Terminator String cannot be empty!";
    }

    void terminatorText()
    {
        QFETCH(QString, text);
        QFETCH(QString, readBack);
        QFETCH(QString, error);
        TComPort2 port;
        port.SetTerminator("#4"); // an illegal text restores CR LF, an empty one keeps this
        QString raised;
        try {
            port.SetTerminator(text);
        } catch (const EComError &e) {
            raised = QString::fromStdString(e.what());
        }
        QVERIFY2(error.isEmpty() ? raised.isEmpty() : raised.startsWith(error), qPrintable(raised));
        QCOMPARE(port.Terminator(), readBack);
    }

    void terminatedPiecesOnePerChunk()
    {
        TTerminatedText framer;
        QCOMPARE(framer.Feed("AB\r"), std::nullopt);
        QCOMPARE(framer.Feed("\nCD\r\nEF\r\n"), QByteArray("AB\r\n"));
        QCOMPARE(framer.Feed("G"), QByteArray("CD\r\n"));
        QCOMPARE(framer.Feed(""), QByteArray("EF\r\n"));
        QCOMPARE(framer.Feed(""), std::nullopt);
    }

    void rawModeDeliversWhatArrives()
    {
        PtyPair line;
        QVERIFY(line.isValid());
        TComPort2 port;
        QSignalSpy opened(&port, &TComPort2::OnPortOpen);
        QSignalSpy closed(&port, &TComPort2::OnPortClose);
        QByteArray delivered;
        port.SetReceiveMode(rmRAW);
        port.SetReceiveCallBack([&](const QByteArray &data) { delivered += data; });
        port.SetPort(line.slavePath());
        port.Open();
        QVERIFY(port.Opened());
        QCOMPARE(opened.count(), 1);

        line.write("no terminator");
        QTRY_COMPARE_WITH_TIMEOUT(delivered, QByteArray("no terminator"), 5000);
        port.Send("out");
        QTRY_COMPARE_WITH_TIMEOUT(line.received(), QByteArray("out"), 5000);

        port.SetBaud(115200); // reconfigured in place
        QVERIFY(port.Opened());
        port.Close();
        QCOMPARE(closed.count(), 1);
        port.Open(); // a port can be opened again
        QVERIFY(port.Opened());
    }

    void secondOpenOfTheSamePortFails()
    {
        PtyPair line;
        QVERIFY(line.isValid());
        TComPort2 first, second;
        first.SetPort(line.slavePath());
        second.SetPort(line.slavePath());
        first.Open();
        QVERIFY_THROWS_EXCEPTION(EComError, second.Open());
    }
};

MORLIX_TEST(ComPortTest)
#include "tst_comport.moc"
