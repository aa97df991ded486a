#pragma once
#include <QString>
#include <QStringList>

// The list of recently used pictures behind the loader's thumbnails, and its
// file "ImagesFile.ini": a line "Nbr=" with the number of entries, then
// "1=" followed by the first path, "2=" and so on, in order of addition.
//
// The file is the program's own: written whole or not at all, in UTF-8 so
// that any path survives. Reading it trusts its count only up to the list's
// capacity, keeps entries whose picture is missing (a drive may just be
// unplugged) and drops a second entry of the same picture.
class TImageHistoryList
{
public:
    static constexpr int Capacity = 256;

    explicit TImageHistoryList(const QString &filePath = QString());

    QString FilePath() const { return m_filePath; }
    const QStringList &Paths() const { return m_paths; }

    // Reads the file; a missing file is an empty list. Returns a message for
    // the operator when the file could not be read or is damaged (the entries
    // that could be read are kept), empty otherwise.
    QString Load();
    // Returns the reason the file could not be written, empty on success.
    QString Save() const;

    // Whether the list holds that picture, whichever way its path is written.
    bool Contains(const QString &path) const;
    // Adds a picture at the end, dropping the oldest when the list is full.
    // False when it was already there (or holds a line end, which the file
    // cannot keep).
    bool Add(const QString &path);
    void Remove(const QString &path);

private:
    // The form a path is compared in: the real file's path when it exists,
    // otherwise the absolute, cleaned path.
    QString Identity(const QString &path) const;
    QString Absolute(const QString &path) const;

    QString m_filePath;
    QStringList m_paths;
};
