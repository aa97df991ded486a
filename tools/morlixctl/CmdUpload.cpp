#include "Commands.h"
#include "CtlOutput.h"
#include "TransferCommand.h"
#include "transfer/LogoFrameProcess.h"
#include "transfer/PictureConvertCommand.h"
#include "transfer/ThreadFrameRaw.h"
#include "transfer/TransferRecords.h"

#include <QElapsedTimer>

namespace {

const char *const Usage = "usage: upload FILE --dest logo:N|anim|frame [--key LEVEL] [--white] [--no-interlace]";

struct TUploadArguments
{
    QString File;
    TTransferTarget Target;
    uint8_t KeyLevel = 0;
    TProcessLLumtype KeyType = plBLACK;
};

QString ParseUploadArguments(const QStringList &arguments, TUploadArguments &parsed)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const QString value = i + 1 < arguments.size() ? arguments[i + 1] : QString();
        QString error;
        if (TakeTargetOption(arguments, i, parsed.Target, error)) {
            if (!error.isEmpty())
                return error;
        } else if (argument == QLatin1String("--key")) {
            bool ok = false;
            const int level = value.toInt(&ok);
            if (!ok || level < 0 || level > 255)
                return QStringLiteral("--key takes a level from 0 to 255");
            parsed.KeyLevel = uint8_t(level);
            ++i;
        } else if (argument == QLatin1String("--white")) {
            parsed.KeyType = plWHITE;
        } else if (argument.startsWith(QLatin1String("--")) || !parsed.File.isEmpty()) {
            return QStringLiteral("unexpected argument %1").arg(argument);
        } else {
            parsed.File = argument;
        }
    }
    if (parsed.File.isEmpty() || !parsed.Target.Destination)
        return QStringLiteral("expected FILE and --dest");
    return {};
}

} // namespace

int RunUpload(const TCtlOptions &options, const QStringList &arguments)
{
    TUploadArguments parsed;
    const QString usageError = ParseUploadArguments(arguments, parsed);
    if (!usageError.isEmpty())
        return Fail(ExitUsage, usageError + QLatin1String("; ") + QLatin1String(Usage));

    TLogoFrameProcess picture;
    TConvertedPicture converted;
    const TTransferDestination &destination = *parsed.Target.Destination;
    int kind = destination.Kind;
    if (const std::optional<QString> refusal =
            ConvertPictureFile(parsed.File, kind, parsed.KeyLevel, parsed.KeyType, picture, converted))
        return Fail(ExitDeviceFailure, *refusal);

    TCtlLink link(options);
    if (!link.Connect(false))
        return Fail(ExitDeviceFailure, link.LastError());
    TThreadFrameRaw sender;
    sender.SetPicture(&picture);
    const uint8_t lumaKey = picture.LLEVEL() != 0 ? TransferRecords::Flags::LumaKey : 0;
    sender.SetFlags(uint8_t(parsed.Target.FlagsFor(kind) | lumaKey));
    sender.SetDestination(uint8_t(destination.Number));
    sender.SetFrameCount(uint8_t(converted.FrameCount));
    sender.SetFrameDelay(converted.FrameDelayMs);
    QElapsedTimer elapsed;
    elapsed.start();
    if (!RunTransfer(link, sender))
        return Fail(ExitDeviceFailure, FailureText(sender));
    const QImage sent = picture.BmpProcessed();
    PrintResult(QStringLiteral("%1: %2 x %3 to %4, %5")
                    .arg(parsed.File)
                    .arg(sent.width())
                    .arg(sent.height())
                    .arg(destination.Name, TransferSummary(sender, elapsed.elapsed())));
    return ExitSuccess;
}
