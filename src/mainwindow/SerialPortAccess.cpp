#include "SerialPortAccess.h"

#include "link/ComPort2.h"

#include <QFileInfo>

namespace SerialPortAccess {

QStringList OpenablePorts()
{
    return TComPort2::AvailablePorts();
}

QString PermissionAdvice(const QString &port)
{
    if (port.isEmpty())
        return QString();
    const QString path = port.startsWith(QLatin1Char('/')) ? port : QStringLiteral("/dev/") + port;
    const QFileInfo device(path);
    if (!device.exists() || (device.isReadable() && device.isWritable()))
        return QString();
    return QStringLiteral("The serial port %1 cannot be opened: permission denied.\n"
                          "Add your user to the \"%2\" group (sudo usermod -aG %2 $USER), "
                          "then log out and in again.")
        .arg(path, device.group().isEmpty() ? QStringLiteral("dialout") : device.group());
}

} // namespace SerialPortAccess
