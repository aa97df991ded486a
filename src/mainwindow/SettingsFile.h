#pragma once
#include "config/OperatorNames.h"

#include <QString>
#include <QStringList>

class QWidget;
class TCheckSum_Halvor;
class TComDriver;
struct TSettingsContent;

// The settings file and the operator's customisation files: the connection,
// the operator's names and the preset names, as signed key=value lines.
class TSettingsFile
{
public:
    // The checksum component lives as long as the program: once it has seen
    // an invalid file, saving asks first.
    TSettingsFile(TComDriver &driver, TCheckSum_Halvor &checksum, const QStringList &serialPorts);

    // Applies the file to the driver and opens the link; a missing file opens
    // the first serial port found, if any. A file of another format version
    // is ignored.
    void Load(const QString &path, TOperatorNames &names);
    // Returns false when the operator declined or the file could not be written.
    bool Save(const QString &path, const TOperatorNames &names, QWidget *promptParent);

    QStringList Lines(const TOperatorNames &names) const;

private:
    void OpenFirstSerialPort();
    void ApplyConnection(const TSettingsContent &content);

    TComDriver &m_driver;
    TCheckSum_Halvor &m_checksum;
    QStringList m_serialPorts;
};
