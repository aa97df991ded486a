#pragma once
// `morlix --dump-mirror FILE`: the application's mirror of the device,
// written to FILE in the text `morlixctl dump --output` writes, each time
// the device has finished resending all its settings and whenever the
// process receives SIGUSR1. A script compares it with the device's own dump
// (scripts/soak.sh does) without reaching into the windows.
#include "link/ResendProgress.h"

#include <QObject>
#include <QString>

class TComDriver;
class TSignalNotifier;

class TMirrorDumpFile : public QObject
{
    Q_OBJECT
public:
    TMirrorDumpFile(TComDriver &driver, const QString &path, QObject *parent = nullptr);

    // Writes the file now, all or nothing.
    bool Write(QString *error);

signals:
    // After each attempt; error is empty when the file was written.
    void Written(const QString &error);

private:
    void WriteAndTell();

    TComDriver &m_driver;
    QString m_path;
    TResendProgress m_resend;
    TSignalNotifier *m_request;
};
