#include "ContypeCfg.h"

#include "OperatorPrompt.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QWidget *FormPanel(QWidget *parent, const QList<QPair<QString, QWidget *>> &rows)
{
    auto *panel = new QWidget(parent);
    auto *form = new QFormLayout(panel);
    for (const auto &row : rows)
        form->addRow(row.first, row.second);
    return panel;
}

} // namespace

TConTypeCfgForm::TConTypeCfgForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Connection Configuration"));
    setModal(true);

    auto *group = new QGroupBox(QStringLiteral("Connection Type"), this);
    auto *radios = new QHBoxLayout(group);
    m_typeButtons = new QButtonGroup(this);
    const char *captions[4] = {"NONE", "RS232", "UDP", "TCP"};
    for (int type = 0; type < 4; ++type) {
        m_radio[type] = new QRadioButton(QString::fromLatin1(captions[type]), group);
        m_typeButtons->addButton(m_radio[type], type);
        radios->addWidget(m_radio[type]);
    }
    connect(m_typeButtons, &QButtonGroup::idClicked, this, &TConTypeCfgForm::SetConnectionType);

    // Serial ports are device paths; the list holds those found at start, and
    // the operator may type another (an adapter plugged in later, a pseudo-terminal).
    m_portBox = new QComboBox(this);
    m_portBox->setEditable(true);
    m_panel[TypeRS232] = FormPanel(this, {{QStringLiteral("Port :"), m_portBox}});

    m_udpAddress = new QLineEdit(this);
    m_udpRemotePort = new QLineEdit(this);
    m_udpLocalPort = new QLineEdit(this);
    m_panel[TypeUDP] = FormPanel(this, {{QStringLiteral("Remote Address :"), m_udpAddress},
                                        {QStringLiteral("Remote Port :"), m_udpRemotePort},
                                        {QStringLiteral("Local Port :"), m_udpLocalPort}});
    m_tcpAddress = new QLineEdit(this);
    m_tcpRemotePort = new QLineEdit(this);
    m_udpAddress->setObjectName(QStringLiteral("Edit_UDPRemoteAddress"));
    m_udpRemotePort->setObjectName(QStringLiteral("Edit_UDPRemotePort"));
    m_udpLocalPort->setObjectName(QStringLiteral("Edit_UDPLocalPort"));
    m_tcpAddress->setObjectName(QStringLiteral("Edit_TCPRemoteAddress"));
    m_tcpRemotePort->setObjectName(QStringLiteral("Edit_TCPRemotePort"));
    m_panel[TypeTCP] = FormPanel(this, {{QStringLiteral("Remote Address :"), m_tcpAddress},
                                        {QStringLiteral("Remote Port :"), m_tcpRemotePort}});
    // The two network panels share the address and the remote port.
    connect(m_tcpAddress, &QLineEdit::textEdited, this, &TConTypeCfgForm::SetRemoteAddress);
    connect(m_udpAddress, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_tcpAddress->setText(text);
    });
    connect(m_udpRemotePort, &QLineEdit::textEdited, m_tcpRemotePort, &QLineEdit::setText);
    connect(m_tcpRemotePort, &QLineEdit::textEdited, m_udpRemotePort, &QLineEdit::setText);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TConTypeCfgForm::PressOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &TConTypeCfgForm::PressCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    for (int type = TypeRS232; type <= TypeTCP; ++type)
        layout->addWidget(m_panel[type]);
    layout->addStretch();
    layout->addWidget(buttons);

    SetLocalPort(m_localPort);
    SetRemotePort(m_remotePort);
    SetConnectionType(TypeNone);
}

void TConTypeCfgForm::ShowPanelOf(int type)
{
    for (int t = TypeRS232; t <= TypeTCP; ++t)
        m_panel[t]->setVisible(t == type);
}

void TConTypeCfgForm::SetConnectionType(int type)
{
    if (type < TypeNone || type > TypeTCP)
        type = TypeNone;
    m_type = type;
    ShowPanelOf(type);
    m_radio[type]->setChecked(true);
}

void TConTypeCfgForm::SetPortName(const QString &name)
{
    const int item = m_portBox->findText(name);
    if (item >= 0) {
        m_portBox->setCurrentIndex(item);
        m_portName = name;
    } else if (!name.isEmpty()) {
        m_portBox->setEditText(name);
        m_portName = name;
    } else if (m_ports.isEmpty()) {
        m_portName.clear();
        m_portBox->setEditText(QString());
    } else {
        m_portBox->setCurrentIndex(0);
        m_portName = m_ports.first();
    }
}

void TConTypeCfgForm::SetLocalPort(int port)
{
    m_localPort = port;
    m_udpLocalPort->setText(QString::number(port));
}

void TConTypeCfgForm::SetRemotePort(int port)
{
    m_remotePort = port;
    m_udpRemotePort->setText(QString::number(port));
    m_tcpRemotePort->setText(QString::number(port));
}

void TConTypeCfgForm::SetRemoteAddress(const QString &address)
{
    m_remoteAddress = address;
    if (m_udpAddress->text() != address)
        m_udpAddress->setText(address);
    if (m_tcpAddress->text() != address)
        m_tcpAddress->setText(address);
}

void TConTypeCfgForm::ClearPorts()
{
    m_ports.clear();
    m_portBox->clear();
}

void TConTypeCfgForm::AddPort(const QString &name)
{
    m_ports << name;
    m_portBox->addItem(name);
}

void TConTypeCfgForm::SetRS232Only(bool only)
{
    m_rs232Only = only;
    m_radio[TypeUDP]->setEnabled(!only);
    m_radio[TypeTCP]->setEnabled(!only);
    if (only)
        SetConnectionType(TypeRS232);
}

bool TConTypeCfgForm::TakePortEntry(QLineEdit *edit, int &port, const QString &message)
{
    bool isNumber = false;
    const int value = edit->text().trimmed().toInt(&isNumber, 10);
    if (!isNumber || value < 0 || value > 65535) {
        TOperatorPrompt::Inform(this, message, TOperatorPrompt::Error);
        return false;
    }
    port = value;
    return true;
}

void TConTypeCfgForm::PressOk()
{
    const QString remotePortMessage = QStringLiteral("Remote Port must be an integer between 0 and 65535.");
    bool valid = true;
    switch (m_type) {
    case TypeRS232: {
        const QString port = m_portBox->currentText().trimmed();
        if (port.isEmpty()) {
            TOperatorPrompt::Inform(this, QStringLiteral("Serial Port not valid"), TOperatorPrompt::Error);
            return;
        }
        m_portName = port;
        break;
    }
    case TypeUDP:
        m_remoteAddress = m_udpAddress->text();
        // Both entries are checked, so both messages can appear in turn.
        valid = TakePortEntry(m_udpRemotePort, m_remotePort, remotePortMessage);
        valid = TakePortEntry(m_udpLocalPort, m_localPort,
                              QStringLiteral("Local Port must be an integer between 0 and 65535."))
                && valid;
        break;
    case TypeTCP:
        m_remoteAddress = m_tcpAddress->text();
        valid = TakePortEntry(m_tcpRemotePort, m_remotePort, remotePortMessage);
        break;
    default:
        break;
    }
    if (!valid)
        return;
    m_accepted = true;
    if (OnOk)
        OnOk();
    accept();
}

void TConTypeCfgForm::PressCancel()
{
    m_accepted = false;
    reject();
}
