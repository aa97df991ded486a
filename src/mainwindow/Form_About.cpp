#include "Form_About.h"

#include "variables/VariableTable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QGroupBox *Group(const QString &title, QWidget *parent, QLayout *content)
{
    auto *group = new QGroupBox(title, parent);
    group->setLayout(content);
    return group;
}

} // namespace

TForm_About::TForm_About(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_About"));
    setWindowTitle(QStringLiteral("About Unknown"));
    m_software = new QLabel(this);
    m_device = new QLabel(this);
    m_status = new QPlainTextEdit(this);
    m_status->setReadOnly(true);
    m_status->setMaximumHeight(80);

    auto *softwareLayout = new QVBoxLayout;
    softwareLayout->addWidget(m_software);
    auto *statusLayout = new QVBoxLayout;
    statusLayout->addWidget(m_status);
    auto *deviceLayout = new QVBoxLayout;
    deviceLayout->addWidget(m_device);
    auto *checksumLayout = new QGridLayout;
    const int checksumVars[] = {VERI1, VERI2, VERI3, VERI4, VERK, VERA, VERB, VERC, OPT, REV};
    int row = 0;
    for (int var : checksumVars) {
        auto *line = new QLabel(this);
        line->setFont(QFont(QStringLiteral("monospace")));
        checksumLayout->addWidget(line, row % 5, row / 5);
        m_checksums.insert(var, line);
        ++row;
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Group(QStringLiteral("SoftWare"), this, softwareLayout));
    layout->addWidget(Group(QStringLiteral("Status"), this, statusLayout));
    layout->addWidget(Group(QStringLiteral("Device"), this, deviceLayout));
    layout->addWidget(Group(QStringLiteral("Checksums"), this, checksumLayout));
}

void TForm_About::SetSoftwareVersion(const QString &line) { m_software->setText(line); }
QString TForm_About::SoftwareVersion() const { return m_software->text(); }
void TForm_About::SetDeviceVersion(const QString &line) { m_device->setText(line); }
QString TForm_About::DeviceVersion() const { return m_device->text(); }

void TForm_About::AppendTestCode(const QString &line)
{
    m_status->appendPlainText(line);
}

QStringList TForm_About::TestCodes() const
{
    const QString text = m_status->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TForm_About::SetChecksumLine(int varNumber, const QString &line)
{
    if (QLabel *label = m_checksums.value(varNumber))
        label->setText(line);
}

QString TForm_About::ChecksumLine(int varNumber) const
{
    const QLabel *label = m_checksums.value(varNumber);
    return label ? label->text() : QString();
}
