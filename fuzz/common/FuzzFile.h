#pragma once
// The file parsers read from a path, as the program does: each input is
// written to one scratch file in a private folder, overwritten per input.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace FuzzFile {

inline const QTemporaryDir &Folder()
{
    static const QTemporaryDir folder;
    return folder;
}

// The path of a scratch file with that name, holding exactly the input.
inline QString Write(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = Folder().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap(); // the harness itself is broken, not the parser
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

} // namespace FuzzFile
