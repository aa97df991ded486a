#include "SimAudio.h"

#include "SimDevice.h"
#include "SimDeviceState.h"
#include "variables/VariableTable.h"

namespace {
constexpr uint16_t FollowSpdif = 1;
constexpr uint16_t ReferenceError = 2;
} // namespace

bool SimAudio::Follows(int varNumber)
{
    return varNumber == AREF_REQUEST;
}

uint16_t SimAudio::ReferenceStatus(const SimDeviceState &state) const
{
    const uint16_t request = state.Value(AREF_REQUEST);
    return request == FollowSpdif && !m_spdifPlugged ? ReferenceError : request;
}

QString SimAudio::HelpText()
{
    return QStringLiteral("spdif on|off        plug or unplug a signal on the S/PDIF input (AREF_STATUS)");
}

QString SimAudio::FrontPanel(SimDevice &device, const QStringList &words)
{
    const QString what = words.value(1).toLower();
    if (words.size() != 2 || (what != QLatin1String("on") && what != QLatin1String("off")))
        return QStringLiteral("usage: spdif on | spdif off");
    m_spdifPlugged = what == QLatin1String("on");
    device.Write(AREF_STATUS, -1, ReferenceStatus(device.State()));
    return QStringLiteral("S/PDIF input %1").arg(m_spdifPlugged ? QStringLiteral("plugged") : QStringLiteral("unplugged"));
}
