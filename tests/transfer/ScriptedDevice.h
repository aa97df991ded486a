#pragma once
// The device's end of a transfer, played by the test over TCP: it answers the
// transfer-mode write and then every line the application sends, as the
// test's script says.
#include "../link/helper_peers.h"
#include "transfer/IntelHex.h"

#include <QList>
#include <functional>

class ScriptedDevice
{
public:
    // The answer to one received line (without its CR LF); index counts the
    // lines from 0. Empty: no answer.
    std::function<QByteArray(const QByteArray &line, int index)> Answer = [](const QByteArray &, int) {
        return QByteArray(".1\r");
    };
    QList<QByteArray> Lines;
    bool ModeRequested = false;

    ScriptedDevice()
    {
        Peer.onData = [this](const QByteArray &data) { OnData(data); };
    }

    int Port() const { return Peer.port(); }
    void Send(const QByteArray &bytes) { Peer.send(bytes); }

    // The record type of each received record line, in order.
    QList<int> Types() const
    {
        QList<int> types;
        for (const QByteArray &line : Lines) {
            if (const auto record = Parsed(line))
                types << record->Type;
        }
        return types;
    }
    int Count(const QByteArray &line) const { return int(Lines.count(line)); }

    static std::optional<IntelHex::THexRecord> Parsed(const QByteArray &line)
    {
        return line.startsWith(':') ? IntelHex::Parse(line.mid(1)) : std::nullopt;
    }

private:
    void OnData(const QByteArray &data)
    {
        Pending += data;
        if (!ModeRequested && Pending.contains("6PM")) {
            ModeRequested = true;
            Pending.clear();
            Peer.send(".1\r");
            return;
        }
        for (qsizetype end = Pending.indexOf("\r\n"); end >= 0; end = Pending.indexOf("\r\n")) {
            const QByteArray line = Pending.left(end);
            Pending.remove(0, end + 2);
            if (line.isEmpty() || line == "\r")
                continue;
            Lines << line;
            const QByteArray answer = Answer(line, int(Lines.size() - 1));
            if (!answer.isEmpty())
                Peer.send(answer);
        }
    }

    TcpDevicePeer Peer;
    QByteArray Pending;
};
