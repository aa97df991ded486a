#pragma once
#include "config/OperatorNames.h"
#include "link/ComDriver.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// What a settings file or a customisation file holds: the connection and the
// operator's names. Reading it touches no link, so a damaged file can be
// looked at before anything is opened.
struct TSettingsContent
{
    QString Port;
    // Missing or malformed numbers and unknown names stay empty: the driver
    // keeps its own value for them.
    std::optional<int> IPLocalPort;
    std::optional<int> IPRemotePort;
    QString IPRemoteAddress;
    std::optional<TConnectionType> ConType;
    std::optional<TConnectionMode> ConMode;
    std::optional<uint32_t> BaudRate;
    TOperatorNames Names;

    bool operator==(const TSettingsContent &other) const;
    bool operator!=(const TSettingsContent &other) const { return !(*this == other); }
};

namespace SettingsContent {

constexpr const char *FormatVersion = "3";

// Nothing when the lines are of another format version.
std::optional<TSettingsContent> Parse(const QStringList &lines);

// The unsigned lines, in the file's order; an empty field is written with an
// empty value, which reads back as empty.
QStringList Lines(const TSettingsContent &content);

} // namespace SettingsContent
