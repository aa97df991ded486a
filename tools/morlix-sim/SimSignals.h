#pragma once
// What arrives on each input, and what the device measures of it. Each input
// carries a source of one detected format (an INAME value) or none; the
// device measures the active input only, and reports the measurement
// (INAME, ISYNC, IHPOL, IVPOL, IFREQLINE, IFREQFIELD, IDVI_IS_HDCP) where it
// changed, when the active input changes or when its source does.
//
// Choosing an input (ICHN) takes effect as ICH after the switching delay; an
// input that is not in use (IUSED 0) is refused: ICHN falls back to ICH and
// both are reported again.
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>

class SimDevice;

class SimSignals : public QObject
{
    Q_OBJECT
public:
    struct TMeasure
    {
        uint16_t LineFrequency;  // tenths of a kHz
        uint16_t FieldFrequency; // hundredths of a Hz
        uint16_t Sync;
        uint16_t HPolarity;
        uint16_t VPolarity;
    };
    static constexpr int NoSignal = 0;
    static constexpr int LastFormat = 33;
    static TMeasure MeasureOf(int format);

    explicit SimSignals(SimDevice &device, QObject *parent = nullptr);

    // 0: ICH follows at once, within the write.
    void SetSwitchDelay(int milliseconds) { m_switch.setInterval(milliseconds); }
    int SwitchDelay() const { return m_switch.interval(); }

    // Input 1 to 5, format 0 (none) to 33; false with a reason otherwise.
    bool SetSource(int input, int format, bool hdcp, QString *error);
    int Source(int input) const { return m_sources.at(size_t(input)).Format; }

    // "signal N FORMAT [hdcp]" and "signal N none" from the front panel or
    // the command line ("N:FORMAT"). Returns what to show, or an error.
    QString Command(const QStringList &words);

    // ICHN was written.
    void RequestInput(uint32_t input);
    // ICH changed: measure the new active input.
    void ActiveInputChanged() { Measure(); }

private:
    struct TSource
    {
        int Format = NoSignal;
        bool Hdcp = false;
    };
    void Switch();
    void Measure();
    void ReportIfChanged(int varNumber, int element, uint16_t value);

    SimDevice &m_device;
    std::array<TSource, 6> m_sources{};
    QTimer m_switch;
};
