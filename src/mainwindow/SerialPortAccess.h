#pragma once
#include <QString>
#include <QStringList>

// The serial ports of this computer as the operator sees them.
namespace SerialPortAccess {

// Device paths of the ports that can be opened now (ports in use by another
// program are left out). Built once, at start.
QStringList OpenablePorts();

// When the port exists but this user may not open it, how to fix that;
// otherwise empty.
QString PermissionAdvice(const QString &port);

} // namespace SerialPortAccess
