#include "ConnectionChoice.h"

#include <QUrl>

TConnectionChoice TConnectionChoice::FromDriver(const TComDriver &driver)
{
    TConnectionChoice choice;
    choice.Type = driver.ConType();
    choice.Port = driver.Port();
    choice.LocalPort = driver.IPLocalPort();
    choice.RemotePort = driver.IPRemotePort();
    choice.RemoteAddress = driver.IPRemoteAddress();
    return choice;
}

bool TConnectionChoice::SameAs(const TConnectionChoice &other) const
{
    return Type == other.Type && Port == other.Port && LocalPort == other.LocalPort
           && RemotePort == other.RemotePort && RemoteAddress == other.RemoteAddress;
}

bool TConnectionChoice::ApplyTo(TComDriver &driver) const
{
    // Closing first keeps every setting below from reopening the old link.
    driver.SetConType(ctNONE);
    driver.SetPort(Port);
    driver.SetIPLocalPort(LocalPort);
    driver.SetIPRemotePort(RemotePort);
    driver.SetIPRemoteAddress(RemoteAddress);
    driver.SetConType(Type);
    driver.SetConMode(cmVAR);
    driver.SetBaudRate(9600);
    return driver.Open();
}

std::optional<TConnectionChoice> TConnectionChoice::Parse(const QString &text, const TConnectionChoice &base,
                                                          QString *error)
{
    auto fail = [error](const QString &reason) -> std::optional<TConnectionChoice> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    TConnectionChoice choice = base;
    const QString serialPrefix = QStringLiteral("serial:");
    if (text.startsWith(serialPrefix, Qt::CaseInsensitive)) {
        choice.Type = ctRS232;
        choice.Port = text.mid(serialPrefix.size());
        if (choice.Port.isEmpty())
            return fail(QStringLiteral("no serial port given in \"%1\"").arg(text));
        return choice;
    }
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("tcp"))
        choice.Type = ctTCP;
    else if (scheme == QLatin1String("udp"))
        choice.Type = ctUDP;
    else
        return fail(QStringLiteral("unknown connection \"%1\": use tcp://HOST:PORT, udp://HOST:PORT "
                                   "or serial:DEVICE")
                        .arg(text));
    if (!url.isValid() || url.host().isEmpty() || url.port() < 0)
        return fail(QStringLiteral("\"%1\" needs a host and a port between 0 and 65535").arg(text));
    choice.RemoteAddress = url.host();
    choice.RemotePort = url.port();
    return choice;
}
