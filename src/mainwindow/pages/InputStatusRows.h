#pragma once
// The texts of the status page: what the active input receives and what the
// output sends, from the device's readings. Pure, so that every text can be
// checked without a window.
#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>

class TComDriver;
class TStatusIndexedCopies;

struct TInputStatusReadings
{
    uint16_t Format = 0;     // INAME copy of the active input
    uint16_t Sync = 0;       // ISYNC
    uint16_t HPolarity = 0;  // IHPOL
    uint16_t VPolarity = 0;  // IVPOL
    uint16_t LineFrequency = 0;  // IFREQLINE, tenths of a kHz
    uint16_t FieldFrequency = 0; // IFREQFIELD, hundredths of a Hz
    uint16_t InputHdcp = 0;  // IDVI_IS_HDCP
    uint16_t ReferenceStatus = 0; // REFSTATUS
    uint16_t ReferenceLock = 0;   // REFLOCKSTATUS
    uint16_t ReferenceFormat = 0; // REFFORMAT
    uint16_t ReferenceFrequency = 0; // REFFREQ, hundredths of a Hz
    uint16_t OutputHdcp = 0; // ODVI_IS_HDCP
};

TInputStatusReadings ReadInputStatus(const TComDriver &driver, const TStatusIndexedCopies &inputs);

struct TInputStatusRow
{
    QString Title;
    QString Value;
};

constexpr int InputStatusRowCount = 15;
using TInputStatusRows = std::array<TInputStatusRow, InputStatusRowCount>;

// Rows 1 to 5 describe the input, 11 to 14 the output; the others are empty.
// Numbers follow the locale's decimal separator, with no space before the
// unit ("31.5KHz", "59.94Hz").
TInputStatusRows InputStatusRows(const TInputStatusReadings &readings, const QLocale &locale = QLocale());

// A frequency in hundredths (or tenths) shown with 5 significant digits.
QString FrequencyText(double value, const char *unit, const QLocale &locale);
