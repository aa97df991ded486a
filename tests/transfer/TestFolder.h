#pragma once
// A temporary folder for the files a test writes and reads back.
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class TTestFolder
{
public:
    bool IsValid() const { return Dir.isValid(); }
    QString Path(const QString &name) const { return Dir.filePath(name); }

    // Returns the file's path, or an empty string when it could not be written.
    QString Write(const QString &name, const QByteArray &data) const
    {
        QFile file(Path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            return {};
        return file.fileName();
    }

private:
    QTemporaryDir Dir;
};
