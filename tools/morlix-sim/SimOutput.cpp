#include "SimOutput.h"

#include "SimDevice.h"
#include "SimDeviceState.h"
#include "variables/VariableTable.h"

#include <iterator>

namespace {

constexpr uint16_t GenlockHV = 6;
constexpr uint16_t FirstCustomFormat = 27;

struct TSize
{
    uint16_t Width;
    uint16_t Height;
};
// The active picture of each OFORMAT; the custom formats (27 to 34) take
// their timing's.
const TSize FormatSizes[] = {
    {720, 576},   {720, 480},   {720, 480},   {720, 576},   {1280, 720},  {1920, 1035}, {1920, 1080},
    {1920, 1080}, {1920, 1080}, {640, 480},   {848, 480},   {800, 600},   {1024, 768},  {1360, 768},
    {1280, 800},  {1280, 1024}, {1400, 1050}, {1680, 1050}, {1600, 1200}, {1920, 1200}, {2048, 1080},
    {1280, 720},  {1920, 1080}, {1920, 1080}, {1920, 1080}, {1920, 1080}, {1440, 900},
};
static_assert(std::size(FormatSizes) == FirstCustomFormat);

// ORATE 0 to 10 in hundredths of a hertz (0 is the custom timing's own).
const uint16_t RateFrequencies[] = {6000, 2397, 2400, 2500, 2997, 3000, 5000, 5994, 6000, 7200, 7500};

TSize SizeOf(const SimDeviceState &state, uint16_t format)
{
    if (format < FirstCustomFormat)
        return FormatSizes[format];
    // Interlaced custom timings carry their two fields' active lines.
    return {state.Value(OCFULL_HUTIL),
            uint16_t(state.Value(OCFULL_VUTIL0) + state.Value(OCFULL_VUTIL1))};
}

} // namespace

bool SimOutput::Follows(int varNumber)
{
    switch (varNumber) {
    case OFORMAT:
    case ORATE:
    case REFREQUEST:
    case OCFULL_HUTIL:
    case OCFULL_VUTIL0:
    case OCFULL_VUTIL1:
        return true;
    default:
        return false;
    }
}

std::vector<SimOutput::TCompanion> SimOutput::Companions(const SimDeviceState &state) const
{
    const bool genlock = state.Value(REFREQUEST) == GenlockHV;
    const uint16_t format = genlock ? m_genlockFormat : state.Value(OFORMAT);
    const uint16_t rate = state.Value(ORATE);
    const uint16_t frequency =
        genlock ? m_genlockRate : rate < std::size(RateFrequencies) ? RateFrequencies[rate] : RateFrequencies[0];
    const TSize size = SizeOf(state, format);
    return {{REFFORMAT, format},
            {REFFREQ, frequency},
            {OHSIZE, size.Width},
            {OVSIZE, size.Height},
            {REFLOCKSTATUS, uint16_t(m_locked ? 1 : 0)}};
}

QString SimOutput::HelpText()
{
    return QStringLiteral("ref lock|unlock     lock or lose the output reference (REFLOCKSTATUS)\n"
                          "ref genlock F [R]   the genlock source runs format F at R/100 Hz");
}

QString SimOutput::FrontPanel(SimDevice &device, const QStringList &words)
{
    const QString what = words.value(1).toLower();
    if (words.size() == 2 && (what == QLatin1String("lock") || what == QLatin1String("unlock"))) {
        m_locked = what == QLatin1String("lock");
        device.Write(REFLOCKSTATUS, -1, m_locked ? 1 : 0);
        return QStringLiteral("reference %1").arg(m_locked ? QStringLiteral("locked") : QStringLiteral("unlocked"));
    }
    if (what == QLatin1String("genlock") && (words.size() == 3 || words.size() == 4)) {
        bool formatOk = false;
        bool rateOk = true;
        const uint format = words[2].toUInt(&formatOk);
        const uint rate = words.size() == 4 ? words[3].toUInt(&rateOk) : m_genlockRate;
        if (!formatOk || !rateOk || format > VarTable[REFFORMAT].Max || rate > 65535)
            return QStringLiteral("usage: ref genlock FORMAT [RATE], FORMAT 0 to %1, RATE in hundredths of a hertz")
                .arg(VarTable[REFFORMAT].Max);
        m_genlockFormat = uint16_t(format);
        m_genlockRate = uint16_t(rate);
        // Under genlock H and V the output follows the new source at once.
        if (device.State().Value(REFREQUEST) == GenlockHV)
            device.Write(REFREQUEST, -1, GenlockHV);
        return QStringLiteral("genlock source format %1 at %2").arg(format).arg(rate);
    }
    return QStringLiteral("usage: ref lock | ref unlock | ref genlock FORMAT [RATE]");
}
