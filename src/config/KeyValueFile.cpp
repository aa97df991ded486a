#include "KeyValueFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace KeyValueFile {

namespace {

QString Decode(const QByteArray &bytes, TEncoding encoding)
{
    if (encoding == Utf8) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

} // namespace

bool Read(const QString &path, QStringList &lines, QString *error, TEncoding encoding)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QString text = Decode(file.readAll(), encoding);
    lines = text.split(QLatin1Char('\n'));
    // A final line end leaves one empty piece that is not a line of the file.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return true;
}

bool Write(const QString &path, const QStringList &lines, QString *error, TEncoding encoding)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encoding == Utf8 ? line.toUtf8() : line.toLatin1();
        bytes += "\r\n";
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

QString Value(const QStringList &lines, const QString &key, const QString &fallback, bool *found)
{
    for (const QString &line : lines) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && line.left(eq).compare(key, Qt::CaseInsensitive) == 0) {
            if (found)
                *found = true;
            return line.mid(eq + 1);
        }
    }
    if (found)
        *found = false;
    return fallback;
}

bool Storable(const QString &text)
{
    for (const QChar c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() > 0xFF)
            return false;
    return true;
}

} // namespace KeyValueFile
