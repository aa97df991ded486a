#include "MirrorDumpFile.h"

#include "SignalNotifier.h"
#include "config/KeyValueFile.h"
#include "link/MirrorDump.h"

#include <csignal>

TMirrorDumpFile::TMirrorDumpFile(TComDriver &driver, const QString &path, QObject *parent)
    : QObject(parent), m_driver(driver), m_path(path), m_resend(driver),
      m_request(new TSignalNotifier(SIGUSR1, this))
{
    connect(&m_resend, &TResendProgress::Finished, this, &TMirrorDumpFile::WriteAndTell);
    connect(m_request, &TSignalNotifier::Raised, this, &TMirrorDumpFile::WriteAndTell);
}

bool TMirrorDumpFile::Write(QString *error)
{
    return KeyValueFile::Write(m_path, MirrorDump::Lines(m_driver), error);
}

void TMirrorDumpFile::WriteAndTell()
{
    QString error;
    if (!Write(&error) && error.isEmpty())
        error = QStringLiteral("cannot write %1").arg(m_path);
    emit Written(error);
}
