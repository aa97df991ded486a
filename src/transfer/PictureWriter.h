#pragma once
#include <QImage>
#include <QString>
#include <optional>

// Writes a picture the way an operator saves one: a 24-bit bitmap, or a JPEG
// of the best quality. The file is replaced all or nothing, so a full disk
// never leaves half a picture behind.
enum TPictureFormat { pfBitmap, pfJpeg };

// The format a file name asks for: JPEG for ".jpg" and ".jpeg" (any case),
// a bitmap otherwise.
TPictureFormat PictureFormatOf(const QString &path);

// The name with the extension the format needs: kept when it already is one
// of the format's ("x.JPEG" stays), otherwise replaced or added.
QString WithPictureExtension(const QString &path, TPictureFormat format);

// Returns the reason the file could not be written, nothing on success.
std::optional<QString> SavePicture(const QImage &picture, const QString &path, TPictureFormat format);
