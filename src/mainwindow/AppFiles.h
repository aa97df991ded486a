#pragma once
#include <QString>

// Where the program keeps its own files (settings, configurations, the
// console's files): next to the executable when that folder is writable or
// already holds the file, as a portable installation expects; otherwise in
// the user's configuration folder.
namespace AppFiles {

QString PathFor(const QString &fileName);
// The rule itself, for given folders.
QString PathFor(const QString &fileName, const QString &programDir, const QString &configDir);

// "Morlix.ini"
QString SettingsFileName();

} // namespace AppFiles
