// Parsing of a full resend of the device (every variable and every array
// element) in chunks of typical sizes, with the change dispatch attached as
// the main window attaches it. Reports lines per second.
#include "link/ComDriverMorlix.h"
#include "variables/MorlixVariables_d.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

void addLine(QByteArray &text, int &lines, int varNumber, uint16_t value)
{
    text += VarTable[varNumber].ReplyMnemonic;
    text += QByteArray::number(value);
    text += "\r\n";
    ++lines;
}

// Each array element is preceded by its index, as the device resends them.
QByteArray fullResend(int &lines)
{
    QByteArray text;
    lines = 0;
    for (int n = 0; n < VarTableSize; ++n) {
        const TVarDescriptor &row = VarTable[n];
        if (row.IndexVar < 0) {
            addLine(text, lines, n, row.Default);
            continue;
        }
        const TVarDescriptor &index = VarTable[row.IndexVar];
        for (int element = 0; element < row.ArraySize; ++element) {
            if (element < index.Min || element > index.Max)
                continue; // elements the device cannot address
            addLine(text, lines, row.IndexVar, uint16_t(element));
            addLine(text, lines, n, row.Default);
        }
    }
    return text;
}

void BM_ParseFullResend(benchmark::State &state)
{
    const qsizetype chunkSize = state.range(0);
    TComDriverMorlix link;
    TMorlixVariables dispatch;
    uint32_t sink = 0;
    for (int n = 0; n < VarTableSize; ++n)
        dispatch.OnChange(n, [&link, &sink, n] { sink += link.GetVar(n); });
    QObject::connect(&link, &TComDriver::OnVarReceived, &dispatch,
                     [&dispatch](int n) { dispatch.SetVarNumber(uint16_t(n)); });
    int lines = 0;
    const QByteArray resend = fullResend(lines);
    for (auto _ : state) {
        for (qsizetype at = 0; at < resend.size(); at += chunkSize)
            link.ReceiveChunk(resend.mid(at, chunkSize));
    }
    benchmark::DoNotOptimize(sink);
    state.counters["lines"] = lines;
    state.counters["lines/s"] =
        benchmark::Counter(double(lines) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ParseFullResend)->Arg(16)->Arg(64)->Arg(512)->Arg(8192);

} // namespace
