#include "TransferCommand.h"

#include "CtlOutput.h"

#include "transfer/PictureLimits.h"
#include "transfer/TransferMode.h"
#include "transfer/TransferRecords.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int WatchIntervalMs = 50;

void DrawProgress(int written, int erased)
{
    DrawProgressBar(written, QString::asprintf("%3d%% written, %3d%% erased", written, erased));
}

// "logo:N" (N from 1 to 4), "anim" or "frame"; nothing for anything else.
std::optional<TTransferDestination> ParseDestination(const QString &text)
{
    if (text == QLatin1String("anim"))
        return TTransferDestination{PictureLimits::KindAnimatedLogo, PictureLimits::AnimatedLogoNumber, text};
    if (text == QLatin1String("frame"))
        return TTransferDestination{PictureLimits::KindFrame, 1, text};
    if (!text.startsWith(QLatin1String("logo:")))
        return std::nullopt;
    bool ok = false;
    const int number = text.mid(5).toInt(&ok);
    if (!ok || number < 1 || number > PictureLimits::StillLogoCount)
        return std::nullopt;
    return TTransferDestination{PictureLimits::KindStillLogo, number, QStringLiteral("logo %1").arg(number)};
}

} // namespace

uint8_t TTransferTarget::FlagsFor(int kind) const
{
    return uint8_t(kind | (Interlaced ? TransferRecords::Flags::Interlaced : 0));
}

bool TakeTargetOption(const QStringList &arguments, int &i, TTransferTarget &target, QString &error)
{
    if (arguments[i] == QLatin1String("--no-interlace")) {
        target.Interlaced = false;
        return true;
    }
    if (arguments[i] != QLatin1String("--dest"))
        return false;
    target.Destination = ParseDestination(i + 1 < arguments.size() ? arguments[++i] : QString());
    if (!target.Destination)
        error = QStringLiteral("--dest takes logo:1 to logo:4, anim or frame");
    return true;
}

bool RunTransfer(TCtlLink &link, TThreadFrame &thread)
{
    TComDriverMorlix &driver = link.Driver();
    thread.SetDriver(&driver);
    thread.SetVarBaudRate(driver.BaudRate());
    thread.SetTransferModeCallback(TransferModeRequest(driver));
    thread.Reset();
    if (!thread.Start())
        return false;

    // The worker carries its calls to the link to this thread: the event loop
    // must run, and nothing here may sleep.
    const bool drawing = ProgressOnTerminal();
    QEventLoop loop;
    QTimer watch;
    int shownWritten = -1;
    int shownErased = -1;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (drawing && (thread.WriteProgress() != shownWritten || thread.EraseProgress() != shownErased)) {
            shownWritten = thread.WriteProgress();
            shownErased = thread.EraseProgress();
            DrawProgress(shownWritten, shownErased);
        }
        if (thread.Finished())
            loop.quit();
    });
    watch.start(WatchIntervalMs);
    loop.exec();
    if (drawing)
        EndProgressBar();
    return thread.Succeeded();
}

QString FailureText(const TThreadFrame &thread)
{
    const QString status = thread.Status();
    return status.isEmpty() ? TThreadFrame::FailureStatus() : status;
}

QString TransferSummary(const TThreadFrame &thread, qint64 elapsedMs)
{
    return QStringLiteral("%1 bytes sent, %2 received, %3 records, %4 s")
        .arg(thread.BytesSent())
        .arg(thread.BytesReceived())
        .arg(thread.RecordsSent())
        .arg(double(elapsedMs) / 1000.0, 0, 'f', 2);
}
