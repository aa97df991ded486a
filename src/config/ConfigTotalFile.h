#pragma once
// The total configuration file ("*.mlx"): the nine zoom settings and the
// eight preset captions, as 68 signed key=value lines. Written and parsed by
// plain functions; reading and writing the file itself goes through
// KeyValueFile (Latin-1, CR LF, atomic).
#include "ZoomSlots.h"

#include <QString>
#include <QStringList>
#include <array>

using TPresetCaptions = std::array<QString, ZoomSlots::PresetCount>;

namespace ConfigTotalFile {

constexpr int LineCount = 68;

QString VersionKey();     // "Morlix_VERSION_INI_FILE"
QString CaptionKey(int preset); // "SpeedButton_Preset1Caption" for preset 1
QString EntryKey(int varNumber, int slot); // "ZMHPOS3"

// The 68 lines, the checksum line last.
QStringList Build(const TZoomSlots &zoom, const TPresetCaptions &captions);

struct TContent
{
    bool Ok = false;
    // What the operator is told when the file cannot be used, in order.
    QStringList Messages;
    TZoomSlots Slots; // every entry, all marked reported when Ok
    TPresetCaptions Captions;
};

// Judges the lines by their own checksum line, the version entry and all 45
// zoom entries (present, decimal, within the variable's range). A file that
// fails any test is refused whole: nothing of it is to be sent.
TContent Parse(const QStringList &lines);

// Reads and parses the file; a missing or unreadable file is refused with
// its path and the reason.
TContent Load(const QString &path);
// Signs nothing: writes the built lines. Returns an error text naming the
// file and the reason, empty when written.
QString Save(const QString &path, const QStringList &lines);

} // namespace ConfigTotalFile
