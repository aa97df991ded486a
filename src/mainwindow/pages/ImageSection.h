#pragma once
// The picture of the active input and the output's timing against a genlock,
// on the "Image Setting" page:
//  - one row per adjustment (brightness to phase), each a scroll bar and a
//    text field: the bar's steps, page clicks, keys, wheel and drag send its
//    position; Enter in the field sends the entry converted back (the
//    conversions are in ImageConversions); a report sets both;
//  - the input aspect ratio and the two pulldown detections;
//  - "Auto Centering" and "Preset";
//  - the "Genlock" group: H. phase, sub-carrier phase and vertical offset.
// Its common-update rules show the rows each input type and format takes,
// give the H. phase bar its range by reference state and show the pulldown
// detections by the input's frame rate. The rows left shown close up.
//
// The page also hosts the output's NTSC pedestal button (bottom right) and
// the zoom's "Blanking Adjust" fields (bottom left, LeftForPositionSize());
// this section keeps out of both places.
#include "CommonUpdate.h"
#include "ImageConversions.h"
#include "mainwindow/MainContext.h"

#include <QObject>
#include <QRect>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;
class TSmartItems;

class TImageSection : public QObject
{
    Q_OBJECT
public:
    enum TRow
    {
        Brightness,
        Contrast,
        Color,
        Hue,
        RedLevel,
        GreenLevel,
        BlueLevel,
        Sharpness,
        Coring,
        Gamma,
        Flicker,
        Clock,
        Phase,
        HPhase,
        SubCarrierPhase,
        VerticalOffset,
        RowCount
    };
    // The rows of the "Genlock" group; the others are the picture's.
    static constexpr TRow FirstReferenceRow = HPhase;

    TImageSection(const TMainContext &context, QWidget *imagePage, QObject *parent = nullptr);

    // The variable and the unit of a row.
    static int VariableOf(TRow row);
    static ImageConversions::TUnit UnitOf(TRow row);

    QLabel *Label(TRow row) const { return m_rows[size_t(row)].Label; }
    QScrollBar *Bar(TRow row) const { return m_rows[size_t(row)].Bar; }
    QLineEdit *Field(TRow row) const { return m_rows[size_t(row)].Field; }
    // Whether the common update shows the row (also while the page is not on screen).
    bool RowShown(TRow row) const;
    // The scale the row's field converts with now.
    ImageConversions::TScale ScaleOf(TRow row) const;

    TSmartItems *AspectSelector() const { return m_aspect; }
    TSmartItems *Pulldown22Selector() const { return m_pulldown22; }
    TSmartItems *Pulldown32Selector() const { return m_pulldown32; }
    QPushButton *AutoCenteringButton() const { return m_autoCentering; }
    QPushButton *PresetButton() const { return m_preset; }
    QGroupBox *PictureGroup() const { return m_pictureGroup; }
    QGroupBox *ReferenceGroup() const { return m_referenceGroup; }
    const TPhaseRange &PhaseRange() const { return m_phaseRange; }

    // The page's places this section leaves to others: the zoom's output
    // position and size fields, and the output's NTSC pedestal.
    static QRect LeftForPositionSize();
    static QRect LeftForPedestal();

private:
    struct TRowWidgets
    {
        QLabel *Label = nullptr;
        QScrollBar *Bar = nullptr;
        QLineEdit *Field = nullptr;
    };

    void BuildRows();
    void BuildSelectors(QWidget *page);
    void BuildButtons(QWidget *page);
    void BindRow(TRow row);
    bool Enter(TRow row, const QString &text);
    void ShowRow(TRow row);
    void ShowClockMaximum();

    void ApplyImageRules(const TCommonState &state);
    void ApplyOutputRules(const TCommonState &state);
    void ApplyReferenceRules(const TCommonState &state);
    void ApplyPulldownRules(const TCommonState &state);
    void SetRowShown(TRow row, bool shown);
    void Arrange();

    TMainContext m_context;
    std::array<TRowWidgets, RowCount> m_rows{};
    std::array<bool, RowCount> m_shown{};
    QGroupBox *m_pictureGroup = nullptr;
    QGroupBox *m_referenceGroup = nullptr;
    TSmartItems *m_aspect = nullptr;
    TSmartItems *m_pulldown22 = nullptr;
    TSmartItems *m_pulldown32 = nullptr;
    QPushButton *m_autoCentering = nullptr;
    QPushButton *m_preset = nullptr;
    TPhaseRange m_phaseRange;
};
