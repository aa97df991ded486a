#include "SettingsFile.h"

#include "config/CheckSum_Halvor.h"
#include "config/KeyValueFile.h"
#include "config/SettingsContent.h"
#include "dialogs/OperatorPrompt.h"
#include "link/ComDriver.h"

#include <QFileInfo>

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
    const std::optional<TSettingsContent> content = SettingsContent::Parse(lines);
    if (!content)
        return;
    ApplyConnection(*content);
    names = content->Names;
}

void TSettingsFile::ApplyConnection(const TSettingsContent &content)
{
    const bool havePorts = !m_serialPorts.isEmpty();
    if (havePorts)
        m_driver.SetPort(content.Port);
    if (content.IPLocalPort)
        m_driver.SetIPLocalPort(*content.IPLocalPort);
    if (content.IPRemotePort)
        m_driver.SetIPRemotePort(*content.IPRemotePort);
    m_driver.SetIPRemoteAddress(content.IPRemoteAddress);
    if (content.ConType && (*content.ConType != ctRS232 || havePorts))
        m_driver.SetConType(*content.ConType);
    if (content.ConMode)
        m_driver.SetConMode(*content.ConMode);
    if (content.BaudRate)
        m_driver.SetBaudRate(*content.BaudRate);
    m_driver.Open();
}

QStringList TSettingsFile::Lines(const TOperatorNames &names) const
{
    TSettingsContent content;
    content.Port = m_driver.Port();
    content.IPLocalPort = m_driver.IPLocalPort();
    content.IPRemotePort = m_driver.IPRemotePort();
    content.IPRemoteAddress = m_driver.IPRemoteAddress();
    content.ConType = m_driver.ConType();
    content.ConMode = m_driver.ConMode();
    content.BaudRate = m_driver.BaudRate();
    content.Names = names;
    return SettingsContent::Lines(content);
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
