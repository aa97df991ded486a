#include "Unit_lansetup.h"

#include "OperatorPrompt.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace LanSettings;

namespace {

// The netmask as the device counts it, host bits 0 to 24, shown as the mask
// itself in a read-only field with the up-down beside it.
class TNetmaskUpDown : public QSpinBox
{
public:
    explicit TNetmaskUpDown(QWidget *parent) : QSpinBox(parent)
    {
        setRange(0, MaxNetmask);
        lineEdit()->setReadOnly(true);
    }

protected:
    QString textFromValue(int value) const override { return NetmaskText(value); }
    int valueFromText(const QString &) const override { return value(); }
    QValidator::State validate(QString &, int &) const override { return QValidator::Acceptable; }
};

constexpr int LabelWidth = 110;

} // namespace

TLanDlg::TLanDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LanDlg"));
    setWindowTitle(QStringLiteral("LAN Status"));
    setModal(true);

    auto *modeGroup = new QGroupBox(QStringLiteral("Connection Mode"), this);
    auto *modeLayout = new QVBoxLayout(modeGroup);
    m_modeButtons = new QButtonGroup(this);
    const char *modeCaptions[] = {"Rs232", "Udp", "Tcp"};
    for (int i = 0; i < 3; ++i) {
        const int mode = int(TMode::Rs232) + i;
        m_radios[size_t(i)] = new QRadioButton(QString::fromLatin1(modeCaptions[i]), modeGroup);
        m_radios[size_t(i)]->setObjectName(QStringLiteral("RadioButton_") + QString::fromLatin1(modeCaptions[i]));
        m_modeButtons->addButton(m_radios[size_t(i)], mode);
        modeLayout->addWidget(m_radios[size_t(i)]);
    }
    modeLayout->addStretch();
    // A click changes what is shown only; nothing is sent before "Apply".
    connect(m_modeButtons, &QButtonGroup::idClicked, this, [this](int mode) {
        m_edited[ModeField] = true;
        ShowMode(TMode(mode));
    });

    auto *rowArea = new QWidget(this);
    BuildRows(rowArea);

    auto *apply = new QPushButton(QStringLiteral("Apply"), this);
    apply->setObjectName(QStringLiteral("Button_Apply"));
    apply->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button_Cancel"));
    connect(apply, &QPushButton::clicked, this, &TLanDlg::PressApply);
    connect(cancel, &QPushButton::clicked, this, &TLanDlg::PressCancel);

    auto *top = new QHBoxLayout;
    top->addWidget(modeGroup);
    top->addWidget(rowArea, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    // The size stays whatever the mode hides: the rows spread over it.
    setFixedSize(480, 260);
    Refresh();
}

void TLanDlg::BuildRows(QWidget *area)
{
    const char *const names[] = {"Edit_DeviceAddress", "Edit_DevicePort", "Edit_RemoteAddress",
                                 "Edit_RemotePort",    "Edit_Gateway",    "UpDown_NetMask"};
    auto *column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    for (int field = DeviceAddressField; field <= NetmaskField; ++field) {
        auto *row = new QWidget(area);
        auto *line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        auto *label = new QLabel(FieldName(TField(field)) + QStringLiteral(" :"), row);
        label->setFixedWidth(LabelWidth);
        line->addWidget(label);
        QWidget *entry = nullptr;
        if (field == NetmaskField) {
            m_netmask = new TNetmaskUpDown(row);
            connect(m_netmask, qOverload<int>(&QSpinBox::valueChanged), this,
                    [this] { m_edited[NetmaskField] = true; });
            entry = m_netmask;
        } else {
            auto *edit = new QLineEdit(row);
            connect(edit, &QLineEdit::textEdited, this, [this, field] { m_edited[size_t(field)] = true; });
            m_edits[size_t(field)] = edit;
            entry = edit;
        }
        entry->setObjectName(QString::fromLatin1(names[field]));
        label->setBuddy(entry);
        line->addWidget(entry, 1);
        m_rows[size_t(field)] = row;
        // Every row takes an equal share of the height: the rows a mode
        // leaves visible spread over the same area.
        column->addWidget(row, 1);
    }
}

TLanDlg::TEvent TLanDlg::EventOf(TLanProperty property)
{
    switch (property) {
    case LAN_TCPIP: return &TLanDlg::OnTCPIPChange;
    case LAN_ENABLE: return &TLanDlg::OnLANENABLEChange;
    case LAN_STORE: return &TLanDlg::OnLANSTOREChange;
    case LAN_PADIP: return &TLanDlg::OnPADIPChange;
    case LAN_IP4: return &TLanDlg::OnIP4Change;
    case LAN_IP3: return &TLanDlg::OnIP3Change;
    case LAN_IP2: return &TLanDlg::OnIP2Change;
    case LAN_IP1: return &TLanDlg::OnIP1Change;
    case LAN_IPPORT: return &TLanDlg::OnIPPORTChange;
    case LAN_NETMASK: return &TLanDlg::OnNETMASKChange;
    default: return nullptr;
    }
}

void TLanDlg::SetProperty(TLanProperty property, uint16_t value)
{
    if (m_mirror.Report(property, value))
        Refresh();
}

void TLanDlg::ShowEntry(TField field, const QString &text)
{
    if (!m_edited[field])
        m_edits[field]->setText(text);
}

void TLanDlg::Refresh()
{
    if (!m_edited[ModeField])
        ShowMode(m_mirror.Mode());
    ShowEntry(DeviceAddressField, AddressText(m_mirror.Address(DeviceSlot)));
    ShowEntry(RemoteAddressField, AddressText(m_mirror.Address(RemoteSlot)));
    ShowEntry(GatewayField, AddressText(m_mirror.Address(GatewaySlot)));
    ShowEntry(DevicePortField, QString::number(m_mirror.DevicePort()));
    ShowEntry(RemotePortField, QString::number(m_mirror.RemotePort()));
    if (!m_edited[NetmaskField]) {
        const QSignalBlocker block(m_netmask);
        m_netmask->setValue(m_mirror.Netmask());
    }
}

void TLanDlg::ShowMode(TMode mode)
{
    m_mode = mode;
    m_radios[size_t(int(mode) - int(TMode::Rs232))]->setChecked(true);
    for (int field = DeviceAddressField; field <= NetmaskField; ++field) {
        const bool remote = field == RemoteAddressField || field == RemotePortField;
        const bool shown = mode == TMode::Udp || (mode == TMode::Tcp && !remote);
        m_rows[size_t(field)]->setVisible(shown);
    }
}

TEntries TLanDlg::Entries() const
{
    TEntries entries;
    entries.Mode = m_mode;
    entries.DeviceAddress = m_edits[DeviceAddressField]->text();
    entries.DevicePort = m_edits[DevicePortField]->text();
    entries.RemoteAddress = m_edits[RemoteAddressField]->text();
    entries.RemotePort = m_edits[RemotePortField]->text();
    entries.Gateway = m_edits[GatewayField]->text();
    entries.Netmask = m_netmask->value();
    return entries;
}

void TLanDlg::Write(const TStep &step)
{
    m_mirror.Set(step.Property, step.Value);
    if (const TEvent event = EventOf(step.Property))
        emit(this->*event)();
}

void TLanDlg::PressApply()
{
    QString error;
    TField failed = DeviceAddressField;
    const std::optional<TSettings> settings = Validate(Entries(), &error, &failed);
    if (!settings) {
        // The remote rows are written in TCP mode too, from rows it hides.
        if (!m_rows[failed]->isVisibleTo(this))
            error += QStringLiteral(" It is shown in Udp mode.");
        TOperatorPrompt::Inform(this, error, TOperatorPrompt::Error);
        if (failed < NetmaskField && m_rows[failed]->isVisibleTo(this)) {
            m_edits[failed]->setFocus();
            m_edits[failed]->selectAll();
        }
        return;
    }
    // A value the device never sent is only a placeholder: writing it would
    // overwrite the device's setting with zeros nobody chose.
    if (const std::optional<TField> unknown = m_mirror.FirstUnknown(m_mode, m_edited)) {
        TOperatorPrompt::Inform(this,
                                QStringLiteral("The device has not reported its %1 yet: nothing was sent. Type it, "
                                               "or wait until the device has sent its LAN settings.")
                                    .arg(FieldName(*unknown)),
                                TOperatorPrompt::Error);
        return;
    }
    if (ConnectionAtRisk && ConnectionAtRisk()
        && !TOperatorPrompt::ConfirmOkCancel(
            this, QStringLiteral("This application reaches the device over its LAN port: the new LAN settings "
                                 "may cut the connection. Apply them anyway?")))
        return;
    m_applied = true;
    for (const TStep &step : WriteSequence(*settings))
        Write(step);
    accept();
}

void TLanDlg::PressCancel()
{
    m_applied = false;
    reject();
}

void TLanDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_applied = false;
        m_edited.fill(false);
        Refresh();
    }
    QDialog::showEvent(event);
}
