#pragma once
#include "LanMirror.h"

#include <QDialog>
#include <array>
#include <functional>

class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// "LAN Status": the network settings stored in the device itself (not the
// application's own connection). The main window copies every LAN report into
// the dialog's properties and turns each event into a write of its variable;
// "Apply" checks every entry, then sets the properties in a fixed order, each
// firing its event once.
class TLanDlg : public QDialog
{
    Q_OBJECT
public:
    using TLanProperty = LanSettings::TLanProperty;
    using TMode = LanSettings::TMode;
    using TEvent = void (TLanDlg::*)();

    explicit TLanDlg(QWidget *parent = nullptr);

    uint16_t Property(TLanProperty property) const { return m_mirror.Property(property); }
    // A value from the device: stored, filed in its address slot, shown.
    void SetProperty(TLanProperty property, uint16_t value);
    const TLanMirror &Mirror() const { return m_mirror; }

    TMode DisplayMode() const { return m_mode; }
    // Set by "Apply"; cleared by "Cancel" and by every showing.
    bool Applied() const { return m_applied; }
    // Asked by "Apply": true when the application reaches the device through
    // this very LAN port, so that the new settings may cut the connection.
    std::function<bool()> ConnectionAtRisk;

    // The event a property fires when "Apply" writes it (none for LAN_RESET).
    static TEvent EventOf(TLanProperty property);

    void PressApply();
    void PressCancel();

signals:
    void OnTCPIPChange();
    void OnPADIPChange();
    void OnIP4Change();
    void OnIP3Change();
    void OnIP2Change();
    void OnIP1Change();
    void OnIPPORTChange();
    void OnNETMASKChange();
    void OnLANSTOREChange();
    void OnLANENABLEChange();

protected:
    void showEvent(QShowEvent *event) override;

private:
    using TField = LanSettings::TField;

    void BuildRows(QWidget *area);
    void Refresh();
    void ShowEntry(TField field, const QString &text);
    void ShowMode(TMode mode);
    LanSettings::TEntries Entries() const;
    void Write(const LanSettings::TStep &step);

    TLanMirror m_mirror;
    TMode m_mode = TMode::Rs232;
    bool m_applied = false;
    // A field the operator changed keeps its entry while the device reports,
    // until the dialog shows again.
    std::array<bool, LanSettings::FieldCount> m_edited{};

    std::array<QWidget *, LanSettings::NetmaskField + 1> m_rows{};
    std::array<QLineEdit *, LanSettings::NetmaskField> m_edits{};
    QSpinBox *m_netmask = nullptr;
    QButtonGroup *m_modeButtons = nullptr;
    std::array<QRadioButton *, 3> m_radios{};
};
