#include "AppFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppFiles {

QString PathFor(const QString &fileName, const QString &programDir, const QString &configDir)
{
    const QDir program(programDir);
    const QFileInfo folder(programDir);
    if (program.exists(fileName) || (folder.isDir() && folder.isWritable()))
        return program.filePath(fileName);
    QDir().mkpath(configDir);
    return QDir(configDir).filePath(fileName);
}

QString PathFor(const QString &fileName)
{
    return PathFor(fileName, QCoreApplication::applicationDirPath(),
                   QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString SettingsFileName()
{
    return QStringLiteral("Morlix.ini");
}

} // namespace AppFiles
