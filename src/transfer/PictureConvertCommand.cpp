#include "transfer/PictureConvertCommand.h"

#include "transfer/LogoFrameProcess.h"
#include "transfer/PictureFile.h"
#include "transfer/PictureLimits.h"
#include "transfer/TransferRecords.h"

#include <optional>

namespace {

const char *const Usage =
    "usage: convert FILE OUT.bmp [--kind logo|frame|anim] [--key LEVEL] [--white] [--preview OUT2.png]";

struct TConvertOptions
{
    QString Input;
    QString Output;
    QString PreviewOutput;
    std::optional<int> Kind;
    uint8_t KeyLevel = 0;
    TProcessLLumtype KeyType = plBLACK;
};

std::optional<int> KindNamed(const QString &name)
{
    if (name == QLatin1String("logo"))
        return PictureLimits::KindStillLogo;
    if (name == QLatin1String("frame"))
        return PictureLimits::KindFrame;
    if (name == QLatin1String("anim"))
        return PictureLimits::KindAnimatedLogo;
    return std::nullopt;
}

// Returns an error text, empty when the arguments are usable.
QString ParseArguments(const QStringList &arguments, TConvertOptions &options)
{
    QStringList positional;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--white")) {
            options.KeyType = plWHITE;
        } else if (argument == QLatin1String("--kind")) {
            if (!hasValue || !(options.Kind = KindNamed(arguments[++i])))
                return QStringLiteral("--kind takes logo, frame or anim");
        } else if (argument == QLatin1String("--key")) {
            bool ok = false;
            const int level = hasValue ? arguments[++i].toInt(&ok) : 0;
            if (!ok || level < 0 || level > 255)
                return QStringLiteral("--key takes a level from 0 to 255");
            options.KeyLevel = uint8_t(level);
        } else if (argument == QLatin1String("--preview")) {
            if (!hasValue)
                return QStringLiteral("--preview takes a file name");
            options.PreviewOutput = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option %1").arg(argument);
        } else {
            positional << argument;
        }
    }
    if (positional.size() != 2)
        return QStringLiteral("expected FILE and OUT.bmp");
    options.Input = positional[0];
    options.Output = positional[1];
    return {};
}

TCommandOutcome Refused(const QString &message)
{
    return {1, message};
}

} // namespace

int FirstFrameDelayMs(const TGifImage &gif)
{
    return gif.Frames.empty() ? 0 : TransferRecords::AnimationDelayMs(gif.Frames.front().DelayCs);
}

std::optional<QString> ConvertPictureFile(const QString &path, int &kind, uint8_t keyLevel, TProcessLLumtype keyType,
                                          TLogoFrameProcess &process, TConvertedPicture &converted)
{
    const TDecoded<TPictureFile> loaded = LoadPictureFile(path);
    if (!loaded.Ok())
        return InvalidPictureMessage(loaded.Error);
    const TPictureFile &file = loaded.Value;
    converted.Animated = file.Kind == TPictureFile::pkAnimated;
    if (kind == 0)
        kind = converted.Animated ? PictureLimits::KindAnimatedLogo : PictureLimits::KindStillLogo;
    if (converted.Animated) {
        if (kind != PictureLimits::KindAnimatedLogo)
            return QStringLiteral("An animated GIF goes to the animated logo");
        process.SetGIF(file.Animated);
        if (!process.BuildAnimatedStrip())
            return process.LastMessage();
        converted.FrameCount = process.GIFNbImages();
        converted.FrameDelayMs = FirstFrameDelayMs(file.Animated);
        return std::nullopt;
    }
    if (kind == PictureLimits::KindAnimatedLogo)
        return QStringLiteral("Wrong emplacement for still logo");
    process.SetLLEVEL(keyLevel);
    process.SetLLUMTYPE(keyType);
    process.SetBmpLoad(file.Still);
    process.ApplyLumaKey();
    if (!process.CheckPictureSize(kind))
        return process.LastMessage();
    return std::nullopt;
}

TCommandOutcome RunPictureConvert(const QStringList &arguments)
{
    TConvertOptions options;
    const QString usageError = ParseArguments(arguments, options);
    if (!usageError.isEmpty())
        return {2, usageError + QLatin1Char('\n') + QLatin1String(Usage)};

    int kind = options.Kind.value_or(0);
    TLogoFrameProcess process;
    TConvertedPicture converted;
    if (const std::optional<QString> refusal =
            ConvertPictureFile(options.Input, kind, options.KeyLevel, options.KeyType, process, converted))
        return Refused(*refusal);

    const QImage processed = process.BmpProcessed();
    if (!processed.save(options.Output, "BMP"))
        return Refused(QStringLiteral("cannot write %1").arg(options.Output));
    if (!options.PreviewOutput.isEmpty()) {
        const QImage preview = converted.Animated ? processed : process.Preview();
        if (!preview.save(options.PreviewOutput))
            return Refused(QStringLiteral("cannot write %1").arg(options.PreviewOutput));
    }
    return {0, QStringLiteral("%1: %2 x %3, %4 frame(s)")
                   .arg(options.Output)
                   .arg(processed.width())
                   .arg(processed.height())
                   .arg(converted.FrameCount)};
}
