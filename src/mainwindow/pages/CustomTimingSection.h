#pragma once
// The custom output timings: the setting selector of the output page, the
// fold-out panel that edits one setting (as CVT parameters or as a full
// timing), "Save" and "Save To", the names the device sends character by
// character and renaming. The device keeps a working copy of the timing;
// the panel selects a setting (OCSETTINGNUMBER), chooses an operation
// (OCCTRL) and triggers it (OCEXECUTE).
#include "CustomNames.h"
#include "mainwindow/MainContext.h"
#include "mainwindow/StoredReplies.h"

#include <QObject>
#include <QVector>
#include <map>

class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;
class TEditUpDown;
class TFastTimer;
class TOutputSection;
class TSmartItems;
class TSpinField;

class TCustomTimingSection : public QObject
{
    Q_OBJECT
public:
    struct THosts
    {
        QWidget *OutputPage = nullptr;
        // The format selector and the rate selector are the output's; the
        // panel unfolds down to the rate selector's bottom edge.
        TOutputSection *Output = nullptr;
        // Steps the fold-out while it moves.
        TFastTimer *FastTimer = nullptr;
    };

    TCustomTimingSection(const TMainContext &context, const THosts &hosts, QObject *parent = nullptr);

    // The operator's choice of setting 0 to 7: selects it and unfolds the
    // panel, which loads it.
    void Choose(int setting) { ChooseSetting(setting); }
    // Renames setting 0 to 7: asks for the name and sends it.
    void Rename(int setting);
    // "Save To" the item of setting 0 to 7, as chosen from its menu.
    void SaveTo(int setting);

    bool Expanded() const { return m_expanded; }
    bool Animating() const { return m_animating; }
    // One tick of the fast timer while the panel moves.
    void AnimationStep();

    const TCustomNames &Names() const { return m_names; }
    TSmartItems *SettingSelector() const { return m_setting; }
    QWidget *Panel() const { return m_panel; }
    QLabel *PanelTitle() const { return m_title; }
    QPushButton *ShowHideButton() const { return m_showHide; }
    QPushButton *AdvancedButton() const { return m_advanced; }
    QPushButton *SaveButton() const { return m_save; }
    QPushButton *SaveToButton() const { return m_saveTo; }
    QPushButton *RenameButton() const { return m_rename; }
    QMenu *SaveToMenu() const { return m_saveToMenu; }
    // The full timing's spin field of a variable (OCFULL_HSYNC...), or null.
    TSpinField *FullField(int varNumber) const;
    QLabel *FullFieldLabel(int varNumber) const;
    QLabel *RateText() const { return m_rateText; }
    QLabel *HTotalText() const { return m_hTotal; }
    QLabel *VTotalText() const { return m_vTotal; }
    TSmartItems *FullScanSelector() const { return m_fullScan; }
    QWidget *FullFields() const { return m_fullArea; }
    QWidget *CvtFields() const { return m_cvtArea; }
    // The CVT field of OCCVT_HUTIL, OCCVT_VUTIL or OCCVT_RATE, or null.
    TEditUpDown *CvtField(int varNumber) const;
    TSmartItems *CvtScanSelector() const { return m_cvtScan; }
    QCheckBox *ReducedBlankBox() const { return m_reducedBlank; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TFullField
    {
        QLabel *Label;
        TSpinField *Field;
    };
    void BuildSelector(QWidget *page);
    void BuildPanel(QWidget *page);
    void BuildFullFields(QWidget *area);
    void BuildCvtFields(QWidget *area);
    void BindHandlers();

    void ChooseSetting(int item);
    void ToggleShown();
    void SetExpanded(bool expanded);
    void Save();
    void EnterFullField(int varNumber, int value);

    void ShowFullTiming();
    void ShowSetting();
    void ShowMode();
    void ShowTitle();
    void ReceiveName();
    void ShowName(int setting);
    void PlaceShowHideButton();

    TMainContext m_context;
    TOutputSection *m_output;
    TFastTimer *m_fastTimer;
    TStoredReplies m_stored;
    TCustomNames m_names;

    TSmartItems *m_setting = nullptr;
    QWidget *m_panel = nullptr;
    QLabel *m_title = nullptr;
    QPushButton *m_showHide = nullptr;
    QPushButton *m_advanced = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_saveTo = nullptr;
    QPushButton *m_rename = nullptr;
    QMenu *m_saveToMenu = nullptr;
    QWidget *m_fullArea = nullptr;
    std::map<int, TFullField> m_fullFields;
    QLabel *m_rateText = nullptr;
    QLabel *m_hTotal = nullptr;
    QLabel *m_vTotal = nullptr;
    TSmartItems *m_fullScan = nullptr;
    QWidget *m_cvtArea = nullptr;
    std::map<int, TEditUpDown *> m_cvtFields;
    TSmartItems *m_cvtScan = nullptr;
    QCheckBox *m_reducedBlank = nullptr;

    bool m_expanded = false;
    bool m_animating = false;
};
