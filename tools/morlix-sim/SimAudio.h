#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

class SimDevice;
class SimDeviceState;

// The audio reference: AREF_STATUS follows AREF_REQUEST, except that
// "Follow SPDIF" (1) without a signal on the S/PDIF input ends in "Error"
// (2). The front panel plugs and unplugs that input ("spdif on|off"); the
// device starts with nothing on it.
class SimAudio
{
public:
    // Whether a write of the variable changes the reference status.
    static bool Follows(int varNumber);
    uint16_t ReferenceStatus(const SimDeviceState &state) const;

    // "spdif on", "spdif off"; the answer for the operator.
    QString FrontPanel(SimDevice &device, const QStringList &words);
    static QString HelpText();

    bool SpdifPlugged() const { return m_spdifPlugged; }

private:
    bool m_spdifPlugged = false;
};
