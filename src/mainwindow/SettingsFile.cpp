#include "SettingsFile.h"

#include "config/CheckSum_Halvor.h"
#include "config/KeyValueFile.h"
#include "dialogs/OperatorPrompt.h"
#include "link/ComDriver.h"

#include <QFileInfo>
#include <optional>

namespace {

const char *const ConTypeNames[] = {"ctNONE", "ctRS232", "ctUDP", "ctTCP"};
const char *const ConModeNames[] = {"cmVAR", "cmRAW"};

QString InputKey(size_t i) { return QStringLiteral("Input%1").arg(i + 1); }
QString AudioKey(size_t i) { return QStringLiteral("Audio%1").arg(i + 1); }
QString PresetKey(size_t i) { return QStringLiteral("SpeedButton_Preset%1Caption").arg(i + 1); }

// A number the file must hold; a missing or malformed one leaves the driver's
// own value in place.
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

} // namespace

TSettingsFile::TSettingsFile(TComDriver &driver, TCheckSum_Halvor &checksum, const QStringList &serialPorts)
    : m_driver(driver), m_checksum(checksum), m_serialPorts(serialPorts)
{
}

void TSettingsFile::OpenFirstSerialPort()
{
    if (m_serialPorts.isEmpty())
        return;
    m_driver.SetPort(m_serialPorts.first());
    m_driver.SetConType(ctRS232);
    m_driver.SetConMode(cmVAR);
    m_driver.SetBaudRate(9600);
    m_driver.Open();
}

void TSettingsFile::Load(const QString &path, TOperatorNames &names)
{
    if (!QFileInfo::exists(path)) {
        OpenFirstSerialPort();
        return;
    }
    QStringList lines;
    if (!KeyValueFile::Read(path, lines))
        return;
    m_checksum.Read_or_Write = _Read;
    m_checksum.SetStringlist_With_CheckSum(&lines);
    m_checksum.SetStringlist_With_CheckSum(nullptr);
    if (KeyValueFile::Value(lines, QStringLiteral("VERSION_INI_FILE")) != QLatin1String(FormatVersion))
        return;
    ApplyConnection(lines);
    ApplyNames(lines, names);
}

void TSettingsFile::ApplyConnection(const QStringList &lines)
{
    const bool havePorts = !m_serialPorts.isEmpty();
    if (havePorts)
        m_driver.SetPort(KeyValueFile::Value(lines, QStringLiteral("Port")));
    if (const auto port = PortNumber(lines, QStringLiteral("IpLocalPort")))
        m_driver.SetIPLocalPort(*port);
    if (const auto port = PortNumber(lines, QStringLiteral("IpRemotePort")))
        m_driver.SetIPRemotePort(*port);
    m_driver.SetIPRemoteAddress(KeyValueFile::Value(lines, QStringLiteral("IpRemoteAddress")));

    const QString conType = KeyValueFile::Value(lines, QStringLiteral("ConType"));
    for (int type = ctNONE; type <= ctTCP; ++type) {
        if (conType != QLatin1String(ConTypeNames[type]))
            continue;
        if (type != ctRS232 || havePorts)
            m_driver.SetConType(TConnectionType(type));
    }
    const QString conMode = KeyValueFile::Value(lines, QStringLiteral("ConMode"));
    for (int mode = cmVAR; mode <= cmRAW; ++mode)
        if (conMode == QLatin1String(ConModeNames[mode]))
            m_driver.SetConMode(TConnectionMode(mode));
    const auto baud = DecimalValue(lines, QStringLiteral("BaudRate"));
    if (baud && *baud > 0 && *baud <= 0xFFFFFFFFLL)
        m_driver.SetBaudRate(uint32_t(*baud));
    m_driver.Open();
}

void TSettingsFile::ApplyNames(const QStringList &lines, TOperatorNames &names)
{
    for (size_t i = 0; i < names.Inputs.size(); ++i)
        names.Inputs[i] = KeyValueFile::Value(lines, InputKey(i));
    for (size_t i = 0; i < names.Audios.size(); ++i)
        names.Audios[i] = KeyValueFile::Value(lines, AudioKey(i));
    for (size_t i = 0; i < names.PresetCaptions.size(); ++i)
        names.PresetCaptions[i] = KeyValueFile::Value(lines, PresetKey(i));
}

QStringList TSettingsFile::Lines(const TOperatorNames &names) const
{
    QStringList lines;
    lines << QStringLiteral("VERSION_INI_FILE=") + QLatin1String(FormatVersion)
          << QStringLiteral("Port=") + m_driver.Port()
          << QStringLiteral("IpLocalPort=%1").arg(m_driver.IPLocalPort())
          << QStringLiteral("IpRemotePort=%1").arg(m_driver.IPRemotePort())
          << QStringLiteral("IpRemoteAddress=") + m_driver.IPRemoteAddress()
          << QStringLiteral("ConType=") + QLatin1String(ConTypeNames[m_driver.ConType()])
          << QStringLiteral("ConMode=") + QLatin1String(ConModeNames[m_driver.ConMode()])
          << QStringLiteral("BaudRate=%1").arg(m_driver.BaudRate());
    for (size_t i = 0; i < names.Inputs.size(); ++i)
        lines << InputKey(i) + QLatin1Char('=') + names.Inputs[i];
    for (size_t i = 0; i < names.Audios.size(); ++i)
        lines << AudioKey(i) + QLatin1Char('=') + names.Audios[i];
    for (size_t i = 0; i < names.PresetCaptions.size(); ++i)
        lines << PresetKey(i) + QLatin1Char('=') + names.PresetCaptions[i];
    return lines;
}

bool TSettingsFile::Save(const QString &path, const TOperatorNames &names, QWidget *promptParent)
{
    QStringList lines = Lines(names);
    m_checksum.Read_or_Write = _Write;
    m_checksum.SetStringlist_With_CheckSum(&lines);
    m_checksum.SetStringlist_With_CheckSum(nullptr);
    if (m_checksum.InvalideFile()
        && !TOperatorPrompt::ConfirmOkCancel(promptParent,
                                             QStringLiteral("ini File is not valide, do you want to save it?")))
        return false;
    QString error;
    if (!KeyValueFile::Write(path, lines, &error)) {
        // Losing the operator's settings silently would look like success.
        TOperatorPrompt::Inform(promptParent, QStringLiteral("Cannot save %1: %2").arg(path, error),
                                TOperatorPrompt::Warning);
        return false;
    }
    return true;
}
