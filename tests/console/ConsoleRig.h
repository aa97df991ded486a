#pragma once
// A service console on a UDP link to 127.0.0.1, where a peer keeps every
// datagram: one datagram per text the console gives the link.
#include "../link/helper_peers.h"
#include "console/Unit_Debug2007.h"
#include "link/ComDriverMorlix.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class DatagramPeer : public QObject
{
public:
    DatagramPeer()
    {
        socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&socket, &QUdpSocket::readyRead, this, [this] {
            while (socket.hasPendingDatagrams())
                datagrams << socket.receiveDatagram().data();
        });
    }
    int port() const { return socket.localPort(); }

    QUdpSocket socket;
    QByteArrayList datagrams;
};

struct ConsoleRig
{
    // The device watch and its reconnection stay out of the way.
    static constexpr int QuietMs = 600000;

    // Lines are played every few milliseconds unless the test steps the player itself.
    explicit ConsoleRig(TConsoleOptions options = {}, int playIntervalMs = 5) : driver(QuietMs, QuietMs)
    {
        driver.SetIPRemoteAddress(QStringLiteral("127.0.0.1"));
        driver.SetIPRemotePort(peer.port());
        driver.SetIPLocalPort(freeUdpPort());
        driver.SetConType(ctUDP);
        driver.Open();
        // The device query that goes out with the opening is the watch's,
        // not the console's.
        (void)QTest::qWaitFor([&] { return peer.datagrams == QByteArrayList{"?"}; }, 5000);
        peer.datagrams.clear();
        if (options.FilePath.isEmpty())
            options.FilePath = dir.filePath(QStringLiteral("Debug2007.ini"));
        options.PlayIntervalMs = playIntervalMs;
        console = std::make_unique<TForm_Debug2007>(nullptr, options);
        console->SetDriver(&driver);
    }

    // Replies as the device sends them.
    void Reply(const QByteArray &lines) { driver.ReceiveChunk(lines); }

    // The datagrams that came, once `count` of them are there.
    QByteArrayList Sent(int count)
    {
        (void)QTest::qWaitFor([&] { return peer.datagrams.size() >= count; }, 5000);
        return peer.datagrams;
    }
    // Everything sent before a last marker: what a test expects to be nothing.
    QByteArrayList SentBeforeMarker()
    {
        driver.SendText(QStringLiteral("~"));
        (void)QTest::qWaitFor([&] { return !peer.datagrams.isEmpty() && peer.datagrams.last() == "~"; }, 5000);
        QByteArrayList before = peer.datagrams;
        if (!before.isEmpty())
            before.removeLast();
        return before;
    }

    QTemporaryDir dir;
    DatagramPeer peer;
    TComDriverMorlix driver;
    std::unique_ptr<TForm_Debug2007> console;
};
