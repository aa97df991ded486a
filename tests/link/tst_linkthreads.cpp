#include "TestRegistry.h"
#include "helper_peers.h"
#include "link/ComDriverMorlix.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QThread>
#include <QtTest>
#include <atomic>

// A worker thread drives the link the way a picture transfer does: raw mode,
// its own reply handler, a speed change, raw records, then everything back.
class RawExchangeWorker : public QThread
{
public:
    explicit RawExchangeWorker(TComDriver &link) : m_link(link) {}

    QByteArray replies() const
    {
        QMutexLocker lock(&m_mutex);
        return m_replies;
    }
    std::atomic<bool> gotAnswer{false};
    std::atomic<bool> restoredHandlerWasEmpty{false};

protected:
    void run() override
    {
        const TComDriver::TRecStringHandler kept = m_link.SetRecStringHandler([this] {
            const QByteArray text = m_link.TakeReceivedText().toLatin1();
            QMutexLocker lock(&m_mutex);
            m_replies += text;
        });
        m_link.SetConMode(cmRAW);
        m_link.SetBaudRate(115200);
        m_link.SendRawText(":020001\r\n");
        const QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired() && !replies().contains(".1\r"))
            QThread::msleep(1);
        gotAnswer = replies().contains(".1\r");
        const TComDriver::TRecStringHandler mine = m_link.SetRecStringHandler(kept);
        restoredHandlerWasEmpty = !kept && mine;
        m_link.SetBaudRate(9600);
        m_link.SetConMode(cmVAR);
    }

private:
    TComDriver &m_link;
    mutable QMutex m_mutex;
    QByteArray m_replies;
};

class LinkThreadsTest : public QObject
{
    Q_OBJECT
private slots:
    void workerRunsARawExchange()
    {
        TcpDevicePeer device;
        device.onData = [&](const QByteArray &data) {
            if (data.contains(":020001"))
                device.send(".1\r\n");
        };
        TComDriverMorlix link(3600 * 1000, 3600 * 1000);
        int signalled = 0;
        connect(&link, &TComDriver::OnRecString, this, [&] { ++signalled; });
        link.SetIPRemoteAddress("127.0.0.1");
        link.SetIPRemotePort(device.port());
        link.SetConType(ctTCP);
        QVERIFY(link.Open());
        QTRY_VERIFY_WITH_TIMEOUT(link.Opened(), 5000);

        RawExchangeWorker worker(link);
        worker.start();
        QTRY_VERIFY_WITH_TIMEOUT(worker.isFinished(), 10000);

        QVERIFY(worker.gotAnswer);
        QCOMPARE(worker.replies(), QByteArray(".1\r\n"));
        QVERIFY(worker.restoredHandlerWasEmpty);
        QCOMPARE(signalled, 0); // the worker's handler stood in for the signal
        QCOMPARE(link.ConMode(), cmVAR);
        QCOMPARE(link.BaudRate(), 9600u);
        // The speed is the serial line's business: the TCP link stayed up.
        QCOMPARE(device.connections, 1);
        QVERIFY(link.Opened());

        device.send("RX9\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(HPOS), uint16_t(9), 5000);
        QCOMPARE(signalled, 1);
    }
};

MORLIX_TEST(LinkThreadsTest)
#include "tst_linkthreads.moc"
