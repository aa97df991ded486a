#pragma once
#include <QString>
#include <QStringList>

namespace TextLines {

// The lines of a text whatever its line ends: CR LF, LF or CR alone. A final
// line end does not begin another, empty line.
QStringList Split(const QString &text);

} // namespace TextLines
