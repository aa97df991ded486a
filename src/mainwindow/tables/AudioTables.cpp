#include "AudioTables.h"

#include "variables/Conversion_V2.h"
#include "variables/VariableTable.h"

#include <algorithm>

namespace AudioTables {

namespace {

const TItemEntry ReferenceEntries[] = {
    {"Internal", 0},
    {"Follow SPDIF", 1},
    {"Error", ReferenceError, true, false},
};

const TItemEntry SpdifRateEntries[] = {
    {"32   kHz", 0}, {"44,1 kHz", 1}, {"48   kHz", 2}, {"88,2 kHz", 3}, {"96   kHz", 4},
};

const TItemEntry ChannelModeEntries[] = {
    {"Follow", 0},
    {"Break Away", BreakAwayMode},
};

const TItemEntry SdiChannelEntries[] = {
    {"Group 1 - Ch 1 ", 1},  {"Group 1 - Ch 2 ", 2},  {"Group 1 - Ch 3 ", 3},  {"Group 1 - Ch 4 ", 4},
    {"Group 2 - Ch 5 ", 5},  {"Group 2 - Ch 6 ", 6},  {"Group 2 - Ch 7 ", 7},  {"Group 2 - Ch 8 ", 8},
    {"Group 3 - Ch 9 ", 9},  {"Group 3 - Ch 10", 10}, {"Group 3 - Ch 11", 11}, {"Group 3 - Ch 12", 12},
    {"Group 4 - Ch 13", 13}, {"Group 4 - Ch 14", 14}, {"Group 4 - Ch 15", 15}, {"Group 4 - Ch 16", 16},
};

// How one quantity is shown: the caption limits of its device range, the
// rounding, the digits and the unit.
struct TScale
{
    int VarNumber;
    int32_t MinCaption;
    int32_t MaxCaption;
    TArrondi Rounding;
    uint8_t Digits;
    const char *Unit;
};

constexpr TScale MasterVolumeScale{AMASTERVOLUME_STATUS, -50, 0, Arr_VsMoinsInf, 5, "dB"};
constexpr TScale LevelScale{ALEVEL_STATUS, -50, 20, Arr_VsMoinsInf, 5, "dBu"};
constexpr TScale BalanceScale{ABALANCE, -45, 45, Arr_IDONTCARE, 5, "\u00b0"};
constexpr TScale AttenuationScale{AANALOGOUTLEVEL, -127, 0, Arr_VsMoinsInf, 5, "dB"};
// Entries of the attenuation are read with one digit less, as the field holds them.
constexpr TScale AttenuationEntryScale{AANALOGOUTLEVEL, -127, 0, Arr_VsMoinsInf, 4, "dB"};

// A conversion of its own: the shared one may be set up by anyone between
// two calls.
void SetUp(TConversion_V2 &conversion, const TScale &scale)
{
    const TVarDescriptor &row = VarTable[scale.VarNumber];
    conversion.Setup(row.Min, row.Max, scale.MinCaption, scale.MaxCaption, scale.Rounding, scale.Digits, 0);
}

QString Text(const TScale &scale, uint16_t value)
{
    TConversion_V2 conversion;
    SetUp(conversion, scale);
    return conversion.ValPosDrvToCaption(value) + QString::fromUtf8(scale.Unit);
}

std::optional<uint16_t> Entry(const TScale &scale, const QString &text)
{
    QString number = text;
    number.remove(QString::fromUtf8(scale.Unit), Qt::CaseInsensitive);
    bool whole = false;
    const qlonglong typed = number.trimmed().toLongLong(&whole);
    if (!whole)
        return std::nullopt;
    const int32_t caption = int32_t(std::clamp<qlonglong>(typed, scale.MinCaption, scale.MaxCaption));
    TConversion_V2 conversion;
    SetUp(conversion, scale);
    return uint16_t(conversion.ValCaptionToDrv(caption));
}

} // namespace

const TItemTable References(ReferenceEntries);
const TItemTable SpdifRates(SpdifRateEntries);
const TItemTable ChannelModes(ChannelModeEntries);
const TItemTable SdiChannels(SdiChannelEntries);

QString MasterVolumeText(uint16_t status) { return Text(MasterVolumeScale, status); }
QString LevelText(uint16_t status) { return Text(LevelScale, status); }
QString BalanceText(uint16_t balance) { return Text(BalanceScale, balance); }
QString AttenuationText(uint16_t level) { return Text(AttenuationScale, level); }

std::optional<uint16_t> BalanceEntry(const QString &text) { return Entry(BalanceScale, text); }
std::optional<uint16_t> AttenuationEntry(const QString &text) { return Entry(AttenuationEntryScale, text); }

} // namespace AudioTables
