#pragma once
// The inputs: everything the operator uses to choose the active input and to
// describe each input, wherever it sits.
//  - the input buttons in the "Input selection" strip above every page:
//    a click asks for the input (ICHN) and the button that shows pressed
//    follows ICH; while ICHN differs from ICH the asked-for button blinks;
//    right-click offers "Rename";
//  - per input, on the input page: type (with its broadcast standards),
//    sync load, used and audio source selectors under column headers, each
//    choice writing IPCHAN first;
//  - the input page's "Auto-setting" button;
//  - the status page: what the active input receives and the output sends.
// Its common-update rules enable the buttons of used inputs and show the
// sync load selectors of the types that take one.
//
// Other sections align their per-input controls (audio delay, SDI channels,
// logos) with ColumnLeft() and ColumnWidth(), and start below RowsBottom().
#include "mainwindow/MainContext.h"
#include "config/OperatorNames.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <array>

class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;
class QWidget;
class TSmartItems;
struct TCommonState;

class TInputSection : public QObject
{
    Q_OBJECT
public:
    struct TPlaces
    {
        QWidget *Strip;      // the "Input selection" strip
        QWidget *InputPage;
        QWidget *StatusPage;
    };
    enum TRow { TypeRow, SyncLoadRow, UsedRow, AudioRow, RowCount };

    TInputSection(const TMainContext &context, const TPlaces &places, QObject *parent = nullptr);

    // Button captions, column headers and audio source captions from the
    // operator's names; an empty name shows the default caption.
    void ApplyNames(const TOperatorNames &names);
    // One tick of the multi-timer's 250 ms channel: the pending-input blink.
    void BlinkTick();

    int ColumnLeft(int input) const;
    int ColumnWidth() const { return m_columnWidth; }
    // Below the last row of the input page's columns.
    int RowsBottom() const;

    QPushButton *InputButton(int input) const { return m_buttons.at(size_t(input)); }
    TSmartItems *Selector(TRow row, int input) const { return m_selectors.at(size_t(row)).at(size_t(input)); }
    QLabel *ColumnHeader(int input) const { return m_headers.at(size_t(input)); }
    QLabel *RowHeader(TRow row, int input) const { return m_rowHeaders.at(size_t(row)).at(size_t(input)); }
    QPushButton *AutoSettingButton() const { return m_autoSetting; }
    QTableWidget *StatusGrid() const { return m_statusGrid; }
    // The pop-up menu of an input button, prepared for that input.
    QMenu *ButtonMenu(int input);
    // Whether the button shows the alternate glyph of the blink.
    bool ShowsBlinkGlyph(int input) const { return m_blinkLit && m_blinkInput == input; }

signals:
    // "Rename" on an input button: the names window's row (input - 1).
    void RenameRequested(int row);

private:
    using TPerInput = std::array<TSmartItems *, 6>;

    void BuildStrip(QWidget *strip);
    void BuildColumns(QWidget *page);
    void BuildStatus(QWidget *page);
    TSmartItems *NewSelector(QWidget *page, int input, int top);
    void ConnectChoices(int input);
    void ConnectHandlers();
    void ApplyAvailability();

    void ShowActiveInput();
    void ShowCopy(int varNumber);
    void ShowType(int input);
    void ShowStatus();
    void ApplyRules(const TCommonState &state);
    void SetGlyph(int input, bool lit);

    TMainContext m_context;
    int m_columnWidth = 0;
    std::array<QPushButton *, 6> m_buttons{};
    std::array<QLabel *, 6> m_headers{};
    std::array<std::array<QLabel *, 6>, RowCount> m_rowHeaders{};
    std::array<TPerInput, RowCount> m_selectors{};
    QPushButton *m_autoSetting = nullptr;
    QTableWidget *m_statusGrid = nullptr;
    QMenu *m_buttonMenu = nullptr;
    int m_menuInput = 0;
    bool m_identified = false;
    int m_blinkInput = 0;
    bool m_blinkLit = false;
    // At rest and lit, drawn once: an icon drawn anew for every blink would
    // be a new entry in Qt's pixmap cache each time.
    std::array<QIcon, 2> m_glyphs;
};
