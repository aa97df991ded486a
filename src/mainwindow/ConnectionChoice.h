#pragma once
#include "link/ComDriver.h"

#include <QString>
#include <optional>

// A connection as the operator chooses it: in the connection dialog or on the
// command line. Applying one always goes the same way, so that both roads
// leave the driver in the same state.
struct TConnectionChoice
{
    TConnectionType Type = ctNONE;
    QString Port;
    int LocalPort = 10000;
    int RemotePort = 10500;
    QString RemoteAddress;

    static TConnectionChoice FromDriver(const TComDriver &driver);
    bool SameAs(const TConnectionChoice &other) const;

    // Closes the link, stores the choice, sets the variable mode at 9600 baud
    // and opens the link; returns what Open returned.
    bool ApplyTo(TComDriver &driver) const;

    // "tcp://HOST:PORT", "udp://HOST:PORT" or "serial:/dev/ttyUSB0"; what the
    // text does not say is taken from base. Empty with a reason on a bad text.
    static std::optional<TConnectionChoice> Parse(const QString &text, const TConnectionChoice &base,
                                                  QString *error = nullptr);
};
