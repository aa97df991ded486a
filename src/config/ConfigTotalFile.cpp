#include "ConfigTotalFile.h"

#include "CheckSum_Halvor.h"
#include "KeyValueFile.h"

#include <QFileInfo>

namespace ConfigTotalFile {

namespace {

const QString Separator = QStringLiteral("//----------------------------------//");
const QString Blank = QStringLiteral(" ");
const QString SupportedVersion = QStringLiteral("3");

QString NotCompatible()
{
    return QStringLiteral("File not compatible");
}

bool IsDecimal(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

QString VersionKey()
{
    return QStringLiteral("Morlix_VERSION_INI_FILE");
}

QString CaptionKey(int preset)
{
    return QStringLiteral("SpeedButton_Preset%1Caption").arg(preset);
}

QString EntryKey(int varNumber, int slot)
{
    return QLatin1String(VarTable[varNumber].Name) + QString::number(slot);
}

QStringList Build(const TZoomSlots &zoom, const TPresetCaptions &captions)
{
    QStringList lines;
    lines << VersionKey() + QLatin1Char('=') + SupportedVersion << Blank << Separator;
    for (int slot = 0; slot < ZoomSlots::SlotCount; ++slot) {
        for (int varNumber : ZoomSlots::Variables)
            lines << EntryKey(varNumber, slot) + QLatin1Char('=') + QString::number(zoom.Value(varNumber, slot));
        lines << Separator;
    }
    lines << Blank << Blank;
    for (int preset = 1; preset <= ZoomSlots::PresetCount; ++preset)
        lines << CaptionKey(preset) + QLatin1Char('=') + captions[size_t(preset - 1)];
    // Each file is judged by its own sum: a component of its own, so an
    // earlier damaged file has no say in this one.
    TCheckSum_Halvor checksum;
    checksum.Read_or_Write = _Write;
    checksum.SetStringlist_With_CheckSum(&lines);
    return lines;
}

TContent Parse(const QStringList &lines)
{
    TContent content;
    TCheckSum_Halvor checksum;
    QStringList checked = lines;
    checksum.Read_or_Write = _Read;
    checksum.SetStringlist_With_CheckSum(&checked);
    if (checksum.InvalideFile()) {
        content.Messages << TCheckSum_Halvor::InvalidFileMessage() << NotCompatible();
        return content;
    }
    if (KeyValueFile::Value(lines, VersionKey()) != SupportedVersion) {
        content.Messages << NotCompatible();
        return content;
    }
    for (int slot = 0; slot < ZoomSlots::SlotCount; ++slot) {
        for (int varNumber : ZoomSlots::Variables) {
            const QString key = EntryKey(varNumber, slot);
            bool found = false;
            const QString text = KeyValueFile::Value(lines, key, QString(), &found);
            const TVarDescriptor &row = VarTable[varNumber];
            const qlonglong value = text.toLongLong();
            if (!found || !IsDecimal(text) || value < row.Min || value > row.Max) {
                content.Messages << (found ? QStringLiteral("%1 holds \"%2\", not a number from %3 to %4: %5")
                                                 .arg(key, text)
                                                 .arg(row.Min)
                                                 .arg(row.Max)
                                                 .arg(NotCompatible())
                                           : QStringLiteral("%1 is missing: %2").arg(key, NotCompatible()));
                return content;
            }
            content.Slots.Set(varNumber, slot, uint16_t(value));
        }
    }
    for (int preset = 1; preset <= ZoomSlots::PresetCount; ++preset)
        content.Captions[size_t(preset - 1)] = KeyValueFile::Value(lines, CaptionKey(preset));
    content.Ok = true;
    return content;
}

TContent Load(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        TContent missing;
        missing.Messages << QStringLiteral("%1 does not exist").arg(path);
        return missing;
    }
    QStringList lines;
    QString error;
    if (!KeyValueFile::Read(path, lines, &error)) {
        TContent unreadable;
        unreadable.Messages << QStringLiteral("Cannot read %1: %2").arg(path, error);
        return unreadable;
    }
    return Parse(lines);
}

QString Save(const QString &path, const QStringList &lines)
{
    QString error;
    if (KeyValueFile::Write(path, lines, &error))
        return {};
    return QStringLiteral("Cannot write %1: %2").arg(path, error);
}

} // namespace ConfigTotalFile
