#pragma once
#include <QString>
#include <QStringList>

// The files the program keeps for itself (settings, configurations, the
// console's files) are 8-bit text of key=value lines. They are read and
// written as Latin-1 so that files written by earlier versions, names with
// accents included, load unchanged.
//
// A file that only this program reads and that holds paths (the list of
// recent pictures) is UTF-8 instead, so that any file name survives; one that
// is not valid UTF-8 is read as Latin-1.
namespace KeyValueFile {

enum TEncoding { Latin1, Utf8 };

// Reads every line; CR LF and LF line ends are both accepted. Returns false
// with a reason when the file cannot be read.
bool Read(const QString &path, QStringList &lines, QString *error = nullptr, TEncoding encoding = Latin1);

// Writes the lines with CR LF ends, all or nothing: a crash or a full disk
// leaves the previous file in place.
bool Write(const QString &path, const QStringList &lines, QString *error = nullptr, TEncoding encoding = Latin1);

// The value of the first line whose key matches, whatever its case.
QString Value(const QStringList &lines, const QString &key, const QString &fallback = QString(),
              bool *found = nullptr);

// Whether a value can go into such a file and come back the same: no line
// end, nothing outside Latin-1.
bool Storable(const QString &text);

} // namespace KeyValueFile
