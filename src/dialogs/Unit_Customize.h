#pragma once
// "Customize": the operator's own names for the inputs and the audio
// sources. The window edits a current copy of the names; closing it either
// commits that copy to the saved one or reverts it. The main window applies
// the names (button captions, column headers, audio captions) each time the
// window is hidden, and saves the committed names in its settings file.
// The frame, logo and output groups exist in the data but are not offered.
#include <QDialog>
#include <QString>
#include <array>

class QGroupBox;
class QPushButton;
class QTableWidget;
class TCustomizeGrid;

class TForm_Customize : public QDialog
{
    Q_OBJECT
public:
    enum TGroup { InputGroup, AudioGroup, FrameGroup, LogoGroup, OutputGroup, GroupCount };
    static constexpr int EntryCount = 256;

    explicit TForm_Customize(QWidget *parent = nullptr);
    ~TForm_Customize() override;

    // -1 for none; 0 to 7 an input row, 8 to 11 a frame row, 20 to 27 an
    // audio row. Lays the window out for that row; the caller then shows it.
    void SelectRow(int row);
    int SelectedRow() const { return m_selectedRow; }

    void SetInputLabel(int entry, const QString &text) { SetLabel(InputGroup, entry, text); }
    void SetAudioLabel(int entry, const QString &text) { SetLabel(AudioGroup, entry, text); }
    // Stores the name and commits the whole group (defaults, loaded files).
    void SetInputName(int entry, const QString &text) { SetName(InputGroup, entry, text); }
    void SetAudioName(int entry, const QString &text) { SetName(AudioGroup, entry, text); }
    // The current (edited) names.
    QString InputName(int entry) const { return Current(InputGroup, entry); }
    QString AudioName(int entry) const { return Current(AudioGroup, entry); }
    // The committed names, whatever is being edited.
    QString SavedName(TGroup group, int entry) const;

    QString Current(TGroup group, int entry) const;
    void SetLabel(TGroup group, int entry, const QString &text);
    void SetName(TGroup group, int entry, const QString &text);

    QTableWidget *Grid(TGroup group) const;
    QGroupBox *GroupBox(TGroup group) const;
    QPushButton *OkButton() const { return m_ok; }
    QPushButton *CloseButton() const { return m_close; }
    // The grid and row outlined in red, or -1.
    int OutlinedRow(TGroup group) const;

signals:
    // After every hide: the main window applies the names.
    void Hidden();

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void reject() override;

private:
    struct TNames
    {
        std::array<QString, EntryCount> Current;
        std::array<QString, EntryCount> Saved;
        std::array<QString, EntryCount> Labels;
    };
    void BuildGroup(TGroup group, const QString &title, int rows);
    void Redisplay(TGroup group);
    void RedisplayAll();
    void CommitAll();
    void RevertAll();
    void CellEdited(TGroup group, int row, const QString &text);

    std::array<TNames, GroupCount> m_names;
    std::array<QGroupBox *, GroupCount> m_boxes{};
    std::array<TCustomizeGrid *, GroupCount> m_grids{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_close = nullptr;
    int m_selectedRow = -1;
    bool m_commit = false;
    bool m_redisplaying = false;
};
