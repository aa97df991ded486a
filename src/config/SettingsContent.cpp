#include "SettingsContent.h"

#include "config/KeyValueFile.h"

namespace {

const char *const ConTypeNames[] = {"ctNONE", "ctRS232", "ctUDP", "ctTCP"};
const char *const ConModeNames[] = {"cmVAR", "cmRAW"};

const QString VersionKey = QStringLiteral("VERSION_INI_FILE");
const QString PortKey = QStringLiteral("Port");
const QString LocalPortKey = QStringLiteral("IpLocalPort");
const QString RemotePortKey = QStringLiteral("IpRemotePort");
const QString AddressKey = QStringLiteral("IpRemoteAddress");
const QString ConTypeKey = QStringLiteral("ConType");
const QString ConModeKey = QStringLiteral("ConMode");
const QString BaudRateKey = QStringLiteral("BaudRate");

QString InputKey(size_t i) { return QStringLiteral("Input%1").arg(i + 1); }
QString AudioKey(size_t i) { return QStringLiteral("Audio%1").arg(i + 1); }
QString PresetKey(size_t i) { return QStringLiteral("SpeedButton_Preset%1Caption").arg(i + 1); }

std::optional<long long> DecimalValue(const QStringList &lines, const QString &key)
{
    bool ok = false;
    const long long value = KeyValueFile::Value(lines, key).trimmed().toLongLong(&ok, 10);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

std::optional<int> PortNumber(const QStringList &lines, const QString &key)
{
    const auto value = DecimalValue(lines, key);
    if (!value || *value < 0 || *value > 65535)
        return std::nullopt;
    return int(*value);
}

std::optional<uint32_t> BaudRate(const QStringList &lines)
{
    const auto value = DecimalValue(lines, BaudRateKey);
    if (!value || *value <= 0 || *value > 0xFFFFFFFFLL)
        return std::nullopt;
    return uint32_t(*value);
}

// The index of the name the file holds under key, if it is one of names.
template <size_t N>
std::optional<int> NameIndex(const QStringList &lines, const QString &key, const char *const (&names)[N])
{
    const QString text = KeyValueFile::Value(lines, key);
    for (size_t i = 0; i < N; ++i)
        if (text == QLatin1String(names[i]))
            return int(i);
    return std::nullopt;
}

template <typename T>
QString OptionalNumber(const std::optional<T> &value)
{
    return value ? QString::number(*value) : QString();
}

} // namespace

bool TSettingsContent::operator==(const TSettingsContent &other) const
{
    return Port == other.Port && IPLocalPort == other.IPLocalPort && IPRemotePort == other.IPRemotePort
           && IPRemoteAddress == other.IPRemoteAddress && ConType == other.ConType && ConMode == other.ConMode
           && BaudRate == other.BaudRate && Names.Inputs == other.Names.Inputs
           && Names.Audios == other.Names.Audios && Names.PresetCaptions == other.Names.PresetCaptions;
}

namespace SettingsContent {

std::optional<TSettingsContent> Parse(const QStringList &lines)
{
    if (KeyValueFile::Value(lines, VersionKey) != QLatin1String(FormatVersion))
        return std::nullopt;
    TSettingsContent content;
    content.Port = KeyValueFile::Value(lines, PortKey);
    content.IPLocalPort = PortNumber(lines, LocalPortKey);
    content.IPRemotePort = PortNumber(lines, RemotePortKey);
    content.IPRemoteAddress = KeyValueFile::Value(lines, AddressKey);
    if (const auto type = NameIndex(lines, ConTypeKey, ConTypeNames))
        content.ConType = TConnectionType(*type);
    if (const auto mode = NameIndex(lines, ConModeKey, ConModeNames))
        content.ConMode = TConnectionMode(*mode);
    content.BaudRate = BaudRate(lines);
    TOperatorNames &names = content.Names;
    for (size_t i = 0; i < names.Inputs.size(); ++i)
        names.Inputs[i] = KeyValueFile::Value(lines, InputKey(i));
    for (size_t i = 0; i < names.Audios.size(); ++i)
        names.Audios[i] = KeyValueFile::Value(lines, AudioKey(i));
    for (size_t i = 0; i < names.PresetCaptions.size(); ++i)
        names.PresetCaptions[i] = KeyValueFile::Value(lines, PresetKey(i));
    return content;
}

QStringList Lines(const TSettingsContent &content)
{
    const auto line = [](const QString &key, const QString &value) { return key + QLatin1Char('=') + value; };
    QStringList lines;
    lines << line(VersionKey, QLatin1String(FormatVersion)) << line(PortKey, content.Port)
          << line(LocalPortKey, OptionalNumber(content.IPLocalPort))
          << line(RemotePortKey, OptionalNumber(content.IPRemotePort)) << line(AddressKey, content.IPRemoteAddress)
          << line(ConTypeKey, content.ConType ? QLatin1String(ConTypeNames[*content.ConType]) : QLatin1String())
          << line(ConModeKey, content.ConMode ? QLatin1String(ConModeNames[*content.ConMode]) : QLatin1String())
          << line(BaudRateKey, OptionalNumber(content.BaudRate));
    const TOperatorNames &names = content.Names;
    for (size_t i = 0; i < names.Inputs.size(); ++i)
        lines << line(InputKey(i), names.Inputs[i]);
    for (size_t i = 0; i < names.Audios.size(); ++i)
        lines << line(AudioKey(i), names.Audios[i]);
    for (size_t i = 0; i < names.PresetCaptions.size(); ++i)
        lines << line(PresetKey(i), names.PresetCaptions[i]);
    return lines;
}

} // namespace SettingsContent
