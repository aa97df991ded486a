#include "CtlOptions.h"

#include <optional>

namespace {

std::optional<int> NumberIn(const QString &text, int low, int high)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < low || number > high)
        return std::nullopt;
    return number;
}

// "HOST:PORT" into the options; false when it is not one.
bool ParseHostPort(const QString &text, TCtlOptions &options)
{
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    const std::optional<int> port = NumberIn(text.mid(colon + 1), 1, 65535);
    if (!port)
        return false;
    options.Host = text.left(colon);
    options.RemotePort = *port;
    return true;
}

} // namespace

QString TCtlOptions::LinkName() const
{
    if (ConType == ctRS232)
        return SerialDevice;
    return QStringLiteral("%1:%2").arg(Host).arg(RemotePort);
}

QString ParseCtlOptions(const QStringList &arguments, TCtlOptions &options)
{
    int i = 0;
    for (; i < arguments.size() && arguments[i].startsWith(QLatin1String("--")); ++i) {
        const QString &option = arguments[i];
        if (option == QLatin1String("--help")) {
            options.Help = true;
            return {};
        }
        if (i + 1 >= arguments.size())
            return QStringLiteral("%1 needs a value").arg(option);
        const QString value = arguments[++i];
        if (option == QLatin1String("--tcp") || option == QLatin1String("--udp")) {
            options.ConType = option == QLatin1String("--tcp") ? ctTCP : ctUDP;
            if (!ParseHostPort(value, options))
                return QStringLiteral("%1 takes HOST:PORT, not %2").arg(option, value);
        } else if (option == QLatin1String("--serial")) {
            options.ConType = ctRS232;
            options.SerialDevice = value;
        } else if (option == QLatin1String("--local-port")) {
            const std::optional<int> port = NumberIn(value, 0, 65535);
            if (!port)
                return QStringLiteral("--local-port takes a port number, not %1").arg(value);
            options.LocalPort = *port;
        } else if (option == QLatin1String("--baud")) {
            const std::optional<int> baud = NumberIn(value, 1, 4000000);
            if (!baud)
                return QStringLiteral("--baud takes a speed in bits per second, not %1").arg(value);
            options.BaudRate = uint32_t(*baud);
        } else if (option == QLatin1String("--timeout")) {
            const std::optional<int> timeout = NumberIn(value, 1, 3600000);
            if (!timeout)
                return QStringLiteral("--timeout takes milliseconds, not %1").arg(value);
            options.TimeoutMs = *timeout;
        } else {
            return QStringLiteral("unknown option %1").arg(option);
        }
    }
    if (i >= arguments.size())
        return QStringLiteral("no command given (morlixctl --help lists them)");
    options.Command = arguments[i];
    options.Arguments = arguments.mid(i + 1);
    return {};
}
