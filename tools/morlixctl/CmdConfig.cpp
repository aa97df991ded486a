#include "Commands.h"
#include "ConfigSequence.h"
#include "CtlOutput.h"
#include "config/KeyValueFile.h"

namespace {

const char *const Usage = "usage: config save FILE.mlx [--caption N=TEXT]... | config load FILE.mlx [--tick MS]";

struct TConfigArguments
{
    QString Action;
    QString File;
    TPresetCaptions Captions;
    int TickMs = TConfigTotal::DefaultTickMs;
};

QString TakeCaption(const QString &text, TPresetCaptions &captions)
{
    const int eq = int(text.indexOf(QLatin1Char('=')));
    bool ok = false;
    const int preset = text.left(eq).toInt(&ok);
    if (eq < 0 || !ok || preset < 1 || preset > ZoomSlots::PresetCount)
        return QStringLiteral("--caption takes N=TEXT with N from 1 to 8");
    const QString caption = text.mid(eq + 1);
    if (!KeyValueFile::Storable(caption))
        return QStringLiteral("caption %1 holds a line end or a character outside Latin-1").arg(preset);
    captions[size_t(preset - 1)] = caption;
    return {};
}

QString ParseConfigArguments(const QStringList &arguments, TConfigArguments &parsed)
{
    if (arguments.size() < 2 || (arguments[0] != QLatin1String("save") && arguments[0] != QLatin1String("load")))
        return QStringLiteral("expected save or load and a FILE");
    parsed.Action = arguments[0];
    parsed.File = arguments[1];
    const bool saving = parsed.Action == QLatin1String("save");
    for (int i = 2; i < arguments.size(); ++i) {
        QString error;
            if (saving && arguments[i] == QLatin1String("--caption") && i + 1 < arguments.size())
            error = TakeCaption(arguments[++i], parsed.Captions);
        else if (!saving && TakeTickOption(arguments, i, parsed.TickMs, error)) {
        } else
            error = QStringLiteral("unexpected argument %1").arg(arguments[i]);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QVector<int> AllSlots()
{
    QVector<int> all;
    for (int slot = 0; slot < ZoomSlots::SlotCount; ++slot)
        all << slot;
    return all;
}

} // namespace

int RunConfig(const TCtlOptions &options, const QStringList &arguments)
{
    TConfigArguments parsed;
    const QString usageError = ParseConfigArguments(arguments, parsed);
    if (!usageError.isEmpty())
        return Fail(ExitUsage, usageError + QLatin1String("; ") + QLatin1String(Usage));
    // A file that cannot be used is refused before anything goes out.
    if (parsed.Action == QLatin1String("load")) {
        const ConfigTotalFile::TContent content = ConfigTotalFile::Load(parsed.File);
        if (!content.Ok)
            return Fail(ExitDeviceFailure, content.Messages.join(QLatin1String(": ")));
    }
    TCtlLink link(options);
    if (!link.Connect(false))
        return Fail(ExitDeviceFailure, link.LastError());
    const std::optional<TZoomSlots> zoom =
        ReadZoomSlots(link, parsed.Action == QLatin1String("save") ? AllSlots() : QVector<int>{0});
    if (!zoom)
        return Fail(ExitDeviceFailure, QStringLiteral("%1 stopped answering").arg(options.LinkName()));
    if (parsed.Action == QLatin1String("save")) {
        // Nothing goes to the device while the file is written: no ticks to wait.
        const QString error = ConfigTotalFile::Save(parsed.File, ConfigTotalFile::Build(*zoom, parsed.Captions));
        return error.isEmpty() ? ExitSuccess : Fail(ExitDeviceFailure, error);
    }
    TConfigTotal engine(link.Driver());
    engine.SetTickInterval(parsed.TickMs);
    QObject::connect(&engine, &TConfigTotal::CaptionRead, &engine, [](int preset, const QString &caption) {
        PrintResult(QStringLiteral("CAPTION %1=%2").arg(preset).arg(caption));
    });
    return RunConfigSequence(engine, [&] { return engine.StartFileRead(parsed.File, *zoom); });
}
