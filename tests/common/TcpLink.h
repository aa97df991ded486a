#pragma once
// Opens a link to a device (simulated or scripted) on a port of 127.0.0.1,
// with the events flowing while it connects.
#include "EventLoopWait.h"
#include "link/ComDriver.h"

inline bool OpenTcpLink(TComDriver &link, quint16 port, int timeoutMs)
{
    link.SetIPRemoteAddress(QStringLiteral("127.0.0.1"));
    link.SetIPRemotePort(port);
    link.SetConType(ctTCP);
    link.Open();
    return WaitWithEvents([&] { return link.Opened(); }, timeoutMs);
}
