#pragma once
// A Morlix on 127.0.0.1 for the main window tests: it answers the type query
// with 67 and a request for all variables with "#1", the given lines, "#0".
#include "../link/helper_peers.h"

#include <QStringList>

class FakeMorlix : public TcpDevicePeer
{
public:
    QStringList resendLines;

    FakeMorlix()
    {
        onData = [this](const QByteArray &data) {
            if (data.contains("1#")) {
                QByteArray reply = "#1\r\n";
                for (const QString &line : resendLines)
                    reply += line.toLatin1() + "\r\n";
                send(reply + "#0\r\n");
            } else if (data.contains('?')) {
                send("DEV67\r\n");
            }
        };
    }
};
