#include "Commands.h"
#include "ConfigSequence.h"
#include "CtlOutput.h"

namespace {
const char *const Usage = "usage: preset store|recall N [--tick MS] (N from 1 to 8)";
} // namespace

int RunPreset(const TCtlOptions &options, const QStringList &arguments)
{
    const bool storing = arguments.value(0) == QLatin1String("store");
    bool ok = false;
    const int preset = arguments.value(1).toInt(&ok);
    if ((!storing && arguments.value(0) != QLatin1String("recall")) || !ok || preset < 1
        || preset > ZoomSlots::PresetCount)
        return Fail(ExitUsage, QLatin1String(Usage));
    int tickMs = TConfigTotal::DefaultTickMs;
    for (int i = 2; i < arguments.size(); ++i) {
        QString error;
        if (!TakeTickOption(arguments, i, tickMs, error))
            error = QStringLiteral("unexpected argument %1").arg(arguments[i]);
        if (!error.isEmpty())
            return Fail(ExitUsage, error + QLatin1String("; ") + QLatin1String(Usage));
    }
    TCtlLink link(options);
    if (!link.Connect(false))
        return Fail(ExitDeviceFailure, link.LastError());
    const std::optional<TZoomSlots> zoom = ReadZoomSlots(link, {storing ? 0 : preset});
    if (!zoom)
        return Fail(ExitDeviceFailure, QStringLiteral("%1 stopped answering").arg(options.LinkName()));
    TConfigTotal engine(link.Driver());
    engine.SetTickInterval(tickMs);
    return RunConfigSequence(engine, [&] {
        return storing ? engine.StartPresetStore(preset, *zoom) : engine.StartPresetRecall(preset, *zoom);
    });
}
