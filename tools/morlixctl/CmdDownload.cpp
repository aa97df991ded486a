#include "Commands.h"
#include "CtlOutput.h"
#include "TransferCommand.h"
#include "transfer/LogoFrameProcess.h"
#include "transfer/PictureWriter.h"
#include "transfer/ThreadFrameReceive.h"

#include <QElapsedTimer>

namespace {

const char *const Usage = "usage: download --dest logo:N|anim|frame OUT.bmp [--no-interlace]";

struct TDownloadArguments
{
    QString Output;
    TTransferTarget Target;
};

QString ParseDownloadArguments(const QStringList &arguments, TDownloadArguments &parsed)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        QString error;
        if (TakeTargetOption(arguments, i, parsed.Target, error)) {
            if (!error.isEmpty())
                return error;
        } else if (argument.startsWith(QLatin1String("--")) || !parsed.Output.isEmpty()) {
            return QStringLiteral("unexpected argument %1").arg(argument);
        } else {
            parsed.Output = argument;
        }
    }
    if (parsed.Output.isEmpty() || !parsed.Target.Destination)
        return QStringLiteral("expected --dest and OUT.bmp");
    return {};
}

} // namespace

int RunDownload(const TCtlOptions &options, const QStringList &arguments)
{
    TDownloadArguments parsed;
    const QString usageError = ParseDownloadArguments(arguments, parsed);
    if (!usageError.isEmpty())
        return Fail(ExitUsage, usageError + QLatin1String("; ") + QLatin1String(Usage));

    TCtlLink link(options);
    if (!link.Connect(false))
        return Fail(ExitDeviceFailure, link.LastError());
    TLogoFrameProcess picture;
    TThreadFrameReceive receiver;
    receiver.SetPicture(&picture);
    const TTransferDestination &destination = *parsed.Target.Destination;
    receiver.SetFlags(parsed.Target.FlagsFor(destination.Kind));
    receiver.SetDestination(uint8_t(destination.Number));
    QElapsedTimer elapsed;
    elapsed.start();
    if (!RunTransfer(link, receiver))
        return Fail(ExitDeviceFailure, FailureText(receiver));
    const QImage received = picture.BmpProcessed();
    if (const std::optional<QString> error = SavePicture(received, parsed.Output, PictureFormatOf(parsed.Output)))
        return Fail(ExitDeviceFailure, QStringLiteral("cannot write %1: %2").arg(parsed.Output, *error));
    PrintResult(QStringLiteral("%1: %2 x %3 from %4, %5")
                    .arg(parsed.Output)
                    .arg(received.width())
                    .arg(received.height())
                    .arg(destination.Name, TransferSummary(receiver, elapsed.elapsed())));
    return ExitSuccess;
}
