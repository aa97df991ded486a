#pragma once
#include <QVector>
#include <cstdint>
#include <optional>

// What "Cancel" and closing the EDID window send back: the format and rate
// the device reported when the window opened, or when the choice was last
// stored. Nothing is captured before the device is identified and has
// reported both, so the window never sends values nobody reported.
class TEdidRevert
{
public:
    struct TWrite
    {
        int VarNumber;
        uint16_t Value;
        bool operator==(const TWrite &other) const { return VarNumber == other.VarNumber && Value == other.Value; }
    };

    // A new device type: what the previous one reported no longer counts.
    void Identified(bool known);
    // EDIDFMT or EDIDRATE, as the driver stored it.
    void Reported(int varNumber, uint16_t value);
    bool WasReported(int varNumber) const;

    void Capture();
    bool HasCapture() const { return m_captured.has_value(); }
    // EDIDFMT first, then EDIDRATE; empty without a capture.
    QVector<TWrite> RevertWrites() const;

private:
    struct TPair
    {
        std::optional<uint16_t> Format;
        std::optional<uint16_t> Rate;
    };

    bool m_known = false;
    TPair m_reported;
    std::optional<TPair> m_captured;
};
