#include "ImageHistoryList.h"

#include "config/KeyValueFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString CountKey = QStringLiteral("Nbr");

} // namespace

TImageHistoryList::TImageHistoryList(const QString &filePath) : m_filePath(filePath) {}

QString TImageHistoryList::Absolute(const QString &path) const
{
    // Relative entries are taken from the list file's folder, the program's.
    const QDir base = QFileInfo(m_filePath).absoluteDir();
    return QDir::cleanPath(base.absoluteFilePath(path));
}

QString TImageHistoryList::Identity(const QString &path) const
{
    const QString absolute = Absolute(path);
    const QString canonical = QFileInfo(absolute).canonicalFilePath();
    return canonical.isEmpty() ? absolute : canonical;
}

bool TImageHistoryList::Contains(const QString &path) const
{
    const QString identity = Identity(path);
    for (const QString &entry : m_paths) {
        if (Identity(entry) == identity)
            return true;
    }
    return false;
}

bool TImageHistoryList::Add(const QString &path)
{
    // A line end in a name would break the file's lines apart.
    if (path.isEmpty() || path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')) || Contains(path))
        return false;
    if (m_paths.size() >= Capacity)
        m_paths.removeFirst();
    m_paths.append(Absolute(path));
    return true;
}

void TImageHistoryList::Remove(const QString &path)
{
    const QString identity = Identity(path);
    m_paths.erase(std::remove_if(m_paths.begin(), m_paths.end(),
                                 [&](const QString &entry) { return Identity(entry) == identity; }),
                  m_paths.end());
}

QString TImageHistoryList::Load()
{
    m_paths.clear();
    if (m_filePath.isEmpty() || !QFileInfo::exists(m_filePath))
        return {};
    QStringList lines;
    QString error;
    if (!KeyValueFile::Read(m_filePath, lines, &error, KeyValueFile::Utf8))
        return QStringLiteral("Cannot read %1: %2").arg(m_filePath, error);

    bool found = false;
    const QString countText = KeyValueFile::Value(lines, CountKey, QString(), &found).trimmed();
    bool isNumber = false;
    const qlonglong count = countText.toLongLong(&isNumber);
    QString warning;
    int wanted = int(std::clamp<qlonglong>(count, 0, Capacity));
    if (!found || !isNumber || count < 0) {
        // Whatever the count says, the numbered entries are still there.
        wanted = Capacity;
        warning = QStringLiteral("%1 is damaged: its entry count \"%2\" is not a number of pictures. "
                                 "The pictures listed in it were kept.")
                      .arg(m_filePath, countText);
    }
    for (int i = 1; i <= wanted; ++i) {
        bool present = false;
        const QString path = KeyValueFile::Value(lines, QString::number(i), QString(), &present);
        if (present && !path.isEmpty())
            Add(path);
    }
    return warning;
}

QString TImageHistoryList::Save() const
{
    if (m_filePath.isEmpty())
        return {};
    QStringList lines{CountKey + QLatin1Char('=') + QString::number(m_paths.size())};
    for (int i = 0; i < m_paths.size(); ++i)
        lines << QString::number(i + 1) + QLatin1Char('=') + m_paths[i];
    QString error;
    if (!KeyValueFile::Write(m_filePath, lines, &error, KeyValueFile::Utf8))
        return QStringLiteral("Cannot write %1: %2").arg(m_filePath, error);
    return {};
}
