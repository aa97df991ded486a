#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class SimDevice;
class SimDeviceState;

// What the output does after a format, rate or reference change: the running
// format (REFFORMAT) follows OFORMAT, or the genlock source under
// REFREQUEST 6; the rate (REFFREQ) follows ORATE or the genlock source; the
// picture size (OHSIZE, OVSIZE) follows the running format, a custom format
// taking the size of its timing; REFLOCKSTATUS is 1 while the reference is
// locked. The front panel can unlock the reference and change the genlock
// source.
class SimOutput
{
public:
    struct TCompanion
    {
        int VarNumber;
        uint16_t Value;
    };

    // Whether a write of the variable changes what the output runs.
    static bool Follows(int varNumber);
    // The companions' values for the state as it now is, in report order.
    std::vector<TCompanion> Companions(const SimDeviceState &state) const;

    // "ref lock", "ref unlock", "ref genlock FORMAT [RATE]"; the answer for
    // the operator.
    QString FrontPanel(SimDevice &device, const QStringList &words);
    static QString HelpText();

    bool Locked() const { return m_locked; }

private:
    bool m_locked = true;
    uint16_t m_genlockFormat = 0;   // SDTV PAL
    uint16_t m_genlockRate = 5000;  // hundredths of a hertz
};
