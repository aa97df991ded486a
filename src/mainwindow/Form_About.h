#pragma once
#include <QDialog>
#include <QMap>

class QLabel;
class QPlainTextEdit;

// The About window: the program's version, the test codes the device sent,
// the device's version and options, and its firmware checksums. It has no
// logic of its own: the main window fills it.
class TForm_About : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_About(QWidget *parent = nullptr);

    void SetSoftwareVersion(const QString &line);
    QString SoftwareVersion() const;
    void SetDeviceVersion(const QString &line);
    QString DeviceVersion() const;
    void AppendTestCode(const QString &line);
    QStringList TestCodes() const;
    // One of the ten checksum lines, by its variable number.
    void SetChecksumLine(int varNumber, const QString &line);
    QString ChecksumLine(int varNumber) const;

private:
    QLabel *m_software;
    QLabel *m_device;
    QPlainTextEdit *m_status;
    QMap<int, QLabel *> m_checksums;
};
