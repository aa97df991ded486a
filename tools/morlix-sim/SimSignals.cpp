#include "SimSignals.h"
#include "SimDevice.h"
#include "SimPicture.h"
#include "variables/VariableTable.h"

#include <QStringList>

namespace {

// Line and field frequencies, sync type and polarities that fit each
// detected format (H and V polarity 1 = positive).
const SimSignals::TMeasure Measures[] = {
    {0, 0, 0, 0, 0},         // no signal
    {120, 3000, 0, 0, 0},    // invalid signal
    {1300, 12000, 0, 1, 1},  // out of range
    {157, 5994, 3, 0, 0},    // NTSC
    {156, 5000, 3, 0, 0},    // PAL
    {156, 5000, 3, 0, 0},    // SECAM
    {156, 5000, 3, 0, 0},    // SDTV BW
    {157, 5994, 2, 0, 0},    // 480i
    {156, 5000, 2, 0, 0},    // 576i
    {315, 5994, 2, 0, 0},    // 480p
    {313, 5000, 2, 0, 0},    // 576p
    {450, 6000, 2, 1, 1},    // 720p
    {338, 6000, 2, 1, 1},    // 1035i
    {338, 6000, 2, 1, 1},    // 1080i
    {675, 6000, 2, 1, 1},    // 1080p
    {270, 4800, 2, 1, 1},    // 1080sf
    {315, 5994, 0, 0, 0},    // VGA
    {379, 6032, 0, 1, 1},    // SVGA
    {484, 6000, 0, 0, 0},    // XGA
    {600, 6000, 0, 1, 1},    // 960p
    {640, 6002, 0, 1, 1},    // SXGA
    {636, 6000, 0, 1, 0},    // DILA
    {653, 5998, 0, 0, 1},    // SXGAP
    {750, 6000, 0, 1, 1},    // UXGA
    {300, 6000, 0, 0, 1},    // WVGA
    {450, 6000, 0, 1, 1},    // 720p RGB
    {478, 5987, 0, 0, 1},    // WXGA
    {477, 5979, 0, 1, 1},    // SWXGA
    {497, 5981, 0, 0, 1},    // 800p
    {653, 5995, 0, 0, 1},    // WSXGAP
    {675, 6000, 0, 1, 1},    // 1080p RGB
    {741, 5995, 0, 1, 0},    // WUXGA
    {559, 5989, 0, 0, 1},    // 900p
    {950, 6000, 0, 1, 0},    // 2K
};
static_assert(sizeof(Measures) / sizeof(Measures[0]) == SimSignals::LastFormat + 1, "one measure per format");

constexpr int FirstInput = 1;
constexpr int LastInput = 5;

} // namespace

SimSignals::TMeasure SimSignals::MeasureOf(int format)
{
    return Measures[format >= 0 && format <= LastFormat ? format : NoSignal];
}

SimSignals::SimSignals(SimDevice &device, QObject *parent) : QObject(parent), m_device(device)
{
    m_switch.setSingleShot(true);
    m_switch.setInterval(0);
    connect(&m_switch, &QTimer::timeout, this, &SimSignals::Switch);
}

bool SimSignals::SetSource(int input, int format, bool hdcp, QString *error)
{
    if (input < FirstInput || input > LastInput || format < NoSignal || format > LastFormat) {
        if (error)
            *error = QStringLiteral("signal: input 1 to 5 and format 0 to 33 (or none)");
        return false;
    }
    m_sources[size_t(input)] = {format, hdcp};
    if (input == m_device.State().Value(ICH))
        Measure();
    return true;
}

QString SimSignals::Command(const QStringList &words)
{
    // words: N FORMAT|none [hdcp]
    if (words.size() < 2 || words.size() > 3 || (words.size() == 3 && words[2].toLower() != QLatin1String("hdcp")))
        return QStringLiteral("usage: signal N FORMAT [hdcp] | signal N none");
    bool inputOk = false;
    const int input = words[0].toInt(&inputOk);
    bool formatOk = true;
    const int format = words[1].toLower() == QLatin1String("none") ? NoSignal : words[1].toInt(&formatOk);
    QString error;
    if (!inputOk || !formatOk || !SetSource(input, format, words.size() == 3, &error))
        return error.isEmpty() ? QStringLiteral("signal: input 1 to 5 and format 0 to 33 (or none)") : error;
    return QStringLiteral("input %1: %2").arg(input).arg(format == NoSignal ? QStringLiteral("no signal")
                                                                            : QStringLiteral("format %1").arg(format));
}

void SimSignals::RequestInput(uint32_t input)
{
    m_device.StoreAndReport(ICHN, 0, input);
    if (m_switch.interval() == 0)
        Switch();
    else
        m_switch.start();
}

void SimSignals::Switch()
{
    SimDeviceState &state = m_device.State();
    const int wanted = state.Value(ICHN);
    if (state.Value(IUSED, wanted) == 0) {
        // Not in use: the device stays where it is and says so.
        m_device.StoreAndReport(ICHN, 0, state.Value(ICH));
        m_device.StoreAndReport(ICH, 0, state.Value(ICH));
        return;
    }
    const bool changed = wanted != state.Value(ICH);
    m_device.StoreAndReport(ICH, 0, uint32_t(wanted));
    if (changed)
        Measure();
}

void SimSignals::ReportIfChanged(int varNumber, int element, uint16_t value)
{
    if (m_device.State().Value(varNumber, element) != value)
        m_device.StoreAndReport(varNumber, element, value);
}

void SimSignals::Measure()
{
    const int input = m_device.State().Value(ICH);
    if (input < FirstInput || input > LastInput)
        return;
    const TSource &source = m_sources[size_t(input)];
    const TMeasure measure = MeasureOf(source.Format);
    ReportIfChanged(INAME, input, uint16_t(source.Format));
    ReportIfChanged(ISYNC, 0, measure.Sync);
    ReportIfChanged(IHPOL, 0, measure.HPolarity);
    ReportIfChanged(IVPOL, 0, measure.VPolarity);
    ReportIfChanged(IFREQLINE, 0, measure.LineFrequency);
    ReportIfChanged(IFREQFIELD, 0, measure.FieldFrequency);
    ReportIfChanged(IDVI_IS_HDCP, 0, source.Hdcp && source.Format != NoSignal ? 1 : 0);
    for (const SimPicture::TValue &clock : SimPicture::ClockOf(source.Format))
        ReportIfChanged(clock.VarNumber, 0, clock.Value);
}
