#pragma once
// The simulated device on a TCP port of its own, in the test's process and
// event loop. Only areas that link the simulator's library include it.
#include "SimDevice.h"
#include "SimLink.h"
#include "TcpEndpoint.h"

#include <memory>

struct TcpSimulator
{
    explicit TcpSimulator(const SimTransferSettings &transfer = {})
        : Link(std::make_unique<TcpEndpoint>(QHostAddress::LocalHost, 0), Device, Settings(transfer))
    {
        QString error;
        Opened = Link.Endpoint().Open(&error);
    }
    static SimLineSettings Settings(const SimTransferSettings &transfer)
    {
        SimLineSettings settings;
        settings.Transfer = transfer;
        return settings;
    }
    quint16 Port() { return static_cast<TcpEndpoint &>(Link.Endpoint()).Port(); }

    SimDevice Device;
    SimLink Link;
    bool Opened = false;
};
