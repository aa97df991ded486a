#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// Encodes a picture as a baseline JPEG of the best quality (100) with full
// colour resolution: no chroma subsampling, so that the thin coloured edges
// of a logo survive. Returns the file's bytes, or empty with a reason.
QByteArray EncodeJpeg(const QImage &picture, QString *error = nullptr);
