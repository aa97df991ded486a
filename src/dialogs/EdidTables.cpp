#include "EdidTables.h"

#include "mainwindow/DeviceIdentity.h"

namespace EdidTables {

namespace {

// Rate bits: 50, 60, 72, 75, 85 and 100 Hz.
constexpr uint8_t UpTo85 = 0x1F;
constexpr uint8_t UpTo75 = 0x0F;
constexpr uint8_t UpTo60 = 0x03;
constexpr uint8_t Only50 = 0x01;
constexpr uint8_t NoRate = 0x00;

TDeviceTables MorlixTables()
{
    TDeviceTables tables;
    const struct
    {
        const char *Caption;
        uint8_t Rates;
    } formats[] = {{"640 x 480", UpTo85},   {"800 x 600", UpTo85},   {"1024 x 768", UpTo85},
                   {"1280 x 960", UpTo85},  {"1280 x 1024", UpTo85}, {"1364 x 1024", UpTo85},
                   {"1400 x 1050", UpTo85}, {"1600 x 1200", UpTo85}, {"852 x 480", UpTo85},
                   {"1280 x 720", UpTo85},  {"1280 x 768", UpTo75},  {"1360 x 768", UpTo75},
                   {"1200 x 800", UpTo60},  {"1680 x 1050", UpTo60}, {"1920 x 1080", UpTo60},
                   {"1440 x 900", UpTo60},  {"1920 x 1200", Only50}, {"2048 x 1080", NoRate}};
    uint16_t value = 0;
    for (const auto &format : formats) {
        tables.Formats.append({format.Caption, value++, true, true});
        tables.AllowedRates.append(format.Rates);
    }
    value = 0;
    for (const char *caption : {"50  Hz", "60  Hz", "72  Hz", "75  Hz", "85  Hz", "100 Hz"})
        tables.Rates.append({caption, value++, true, true});
    return tables;
}

} // namespace

const TDeviceTables &ForDevice(uint16_t deviceType)
{
    // Indexed like the other device identity tables.
    static const TDeviceTables known[] = {MorlixTables()};
    static const TDeviceTables unknown;
    const int position = DeviceIdentity::KnownPosition(deviceType);
    return position < 0 ? unknown : known[position];
}

const QVector<TEntry> &Sources()
{
    static const QVector<TEntry> sources{{"Local", 0, true, true}, {"Loop", 1, true, true}};
    return sources;
}

int PositionOfValue(const QVector<TEntry> &entries, uint16_t value)
{
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].Value == value)
            return i;
    return -1;
}

std::optional<uint16_t> ValueAt(const QVector<TEntry> &entries, int position)
{
    if (position < 0 || position >= entries.size())
        return std::nullopt;
    return entries[position].Value;
}

bool RateAllowed(const TDeviceTables &tables, uint16_t format, uint16_t rate)
{
    const int position = PositionOfValue(tables.Formats, format);
    if (position < 0 || rate >= 8)
        return false;
    return (tables.AllowedRates[position] >> rate) & 1;
}

} // namespace EdidTables
