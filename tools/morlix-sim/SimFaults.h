#pragma once
#include <QByteArray>

// The faults an operator can ask for on the command line, to see how the
// application copes with a poor line.
struct SimFaultSettings
{
    bool Silent = false;  // answers nothing
    int DropEvery = 0;    // drops every Nth report
    int NoiseEvery = 0;   // garbage before every Nth report
    int CloseAfter = 0;   // closes the connection after N reports
};

// Decides, report by report, what the line does to it.
class SimFaults
{
public:
    struct Decision
    {
        bool Send = true;
        QByteArray Noise;
        bool CloseAfter = false;
    };

    explicit SimFaults(const SimFaultSettings &settings = {}) : m_settings(settings) {}

    // A line of bytes that is no report, ended so that it cannot spoil the
    // report after it; its NUL and 8-bit bytes test the receiver's handling.
    static QByteArray Garbage();

    Decision Next();
    // The front panel's "faults off" lets every report through unchanged
    // from then on; "faults on" brings the faults back.
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    // A new connection counts its reports from the start.
    void ResetConnection() { m_reportsOnConnection = 0; }

private:
    static bool IsNth(long count, int every) { return every > 0 && count % every == 0; }

    SimFaultSettings m_settings;
    bool m_enabled = true;
    long m_reports = 0;
    long m_reportsOnConnection = 0;
};
