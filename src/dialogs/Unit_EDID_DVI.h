#pragma once
#include "EdidRevert.h"
#include "EdidTables.h"
#include "mainwindow/MainContext.h"

#include <QWidget>

class QLabel;
class QMenu;
class TSmallCombo;
class TStoredReplies;

// "EDID DVI": the preferred format and frame rate the DVI input announces to
// its sources. Each choice is written at once; "Apply" makes the device store
// it, "Cancel" and closing the window send back what the device reported
// when the window opened.
class TForm_EDIDDVI : public QWidget
{
    Q_OBJECT
public:
    TForm_EDIDDVI(const TMainContext &context, QWidget *parent = nullptr);

    // Both lists from the tables of the device type (run on identification).
    void RebuildLists(uint16_t deviceType);
    // The menu command: shows the window, remembering what to go back to.
    void Open();

    void PressApply();
    void PressCancel();

    TSmallCombo *FormatSelector() const { return m_format; }
    TSmallCombo *RateSelector() const { return m_rate; }
    TSmallCombo *SourceSelector() const { return m_source; }
    const TEdidRevert &Revert() const { return m_revert; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FillList(QMenu *menu, TSmallCombo *selector, const QVector<EdidTables::TEntry> &entries);
    void Reported(int varNumber);
    void ShowFormat();
    void ShowRate();
    void ApplyRateMatrix();
    void SendChoice(TSmallCombo *selector, const QVector<EdidTables::TEntry> &entries, int varNumber);
    void SendBack();

    TMainContext m_context;
    TStoredReplies *m_stored;
    const EdidTables::TDeviceTables *m_tables;
    TEdidRevert m_revert;
    QMenu *m_formatMenu;
    QMenu *m_rateMenu;
    TSmallCombo *m_format;
    TSmallCombo *m_rate;
    TSmallCombo *m_source;
    QLabel *m_sourceLabel;
};
