#include "ConfigSequence.h"

#include "CtlOutput.h"

#include <QEventLoop>

std::optional<TZoomSlots> ReadZoomSlots(TCtlLink &link, const QVector<int> &elements)
{
    const std::optional<uint16_t> selected = link.Read({ZMINDEX, -1});
    if (!selected)
        return std::nullopt;
    TZoomSlots zoom;
    const bool drawing = ProgressOnTerminal();
    int read = 0;
    const int total = int(elements.size()) * ZoomSlots::VarCount;
    for (int slot : elements)
        for (int varNumber : ZoomSlots::Variables) {
            const std::optional<uint16_t> value = link.Read({varNumber, slot});
            if (!value)
                return std::nullopt;
            zoom.Set(varNumber, slot, *value);
            ++read;
            if (drawing)
                DrawProgressBar(read * 100 / total, QStringLiteral("%1 of %2 zoom values read").arg(read).arg(total));
        }
    if (drawing)
        EndProgressBar();
    if (!link.Write({ZMINDEX, -1}, *selected))
        return std::nullopt;
    return zoom;
}

int RunConfigSequence(TConfigTotal &engine, const std::function<bool()> &start)
{
    QStringList messages;
    engine.SetMessageHandler([&messages](const QString &text) { messages << text; });
    const bool drawing = ProgressOnTerminal();
    QObject::connect(&engine, &TConfigTotal::Progress, &engine, [drawing](int step, int lastStep, int tick, int ticks) {
        if (drawing && ticks > 0)
            DrawProgressBar(tick * 100 / ticks, QStringLiteral("step %1 of %2, tick %3").arg(step).arg(lastStep).arg(tick));
    });
    QEventLoop loop;
    TConfigOutcome outcome = TConfigOutcome::Failed;
    QObject::connect(&engine, &TConfigTotal::Finished, &loop, [&](TConfigOutcome how) {
        outcome = how;
        loop.quit();
    });
    const bool started = start();
    if (started)
        loop.exec();
    if (drawing && started)
        EndProgressBar();
    if (started && outcome == TConfigOutcome::Completed && messages.isEmpty())
        return ExitSuccess;
    return Fail(ExitDeviceFailure, messages.isEmpty() ? QStringLiteral("the sequence did not complete")
                                                      : messages.join(QLatin1String(": ")));
}

bool TakeTickOption(const QStringList &arguments, int &i, int &tickMs, QString &error)
{
    if (arguments[i] != QLatin1String("--tick"))
        return false;
    bool ok = false;
    tickMs = i + 1 < arguments.size() ? arguments[++i].toInt(&ok) : 0;
    if (!ok || tickMs < 1 || tickMs > 60000)
        error = QStringLiteral("--tick takes a number of milliseconds from 1 to 60000");
    return true;
}
