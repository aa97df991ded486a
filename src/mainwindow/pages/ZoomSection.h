#pragma once
// Position, size and zoom: everything the operator uses to place the output
// picture and the zoom window, wherever it sits.
//  - the "Zoom/Shrink" page ("Image Position"): the framing preview and the
//    slider that scales it, the zoom on/off and transition selectors, "Pixel
//    Unit", the four zoom fields with their link buttons, "Zoom Preset" and
//    the button that opens the presets window;
//  - the image page's "Blanking Adjust" group: the output picture's position
//    and size fields and their link buttons.
// The page shows and edits the zoom in use, element 0 of the zoom arrays,
// from the zoom slot copies; the presets (elements 1 to 8) belong to the
// presets window. A zoom write from the page first selects element 0 when the
// device's zoom index is elsewhere, and nothing is written while the output
// size is unknown.
#include "mainwindow/MainContext.h"

#include <QObject>
#include <array>

class QAbstractButton;
class QGroupBox;
class QPushButton;
class QSlider;
class QWidget;
class TCadrageImage_2;
class TEditUpDown;
class TSmartItems;
struct TCommonState;
struct TZoomSlots;

class TZoomSection : public QObject
{
    Q_OBJECT
public:
    struct TPlaces
    {
        QWidget *ZoomPage;
        QWidget *ImagePage;
    };
    // The linked pairs, in the order of their buttons.
    enum TPair { PositionPair, SizePair, ZoomPositionPair, ZoomSizePair, PairCount };

    static constexpr int PreviewWidth = 432;
    static constexpr int PreviewMaxHeight = 300;
    // One wheel step per this much angle, whatever the device sends.
    static constexpr int WheelStepAngle = 120;

    TZoomSection(const TMainContext &context, const TPlaces &places, QObject *parent = nullptr);

    // What the device reported of the nine zoom slots, for the sequences.
    TZoomSlots Slots() const;
    bool PixelUnits() const;

    TCadrageImage_2 *Preview() const { return m_preview; }
    QSlider *PreviewScale() const { return m_scale; }
    TEditUpDown *Field(int varNumber) const;
    QAbstractButton *LinkButton(TPair pair) const { return m_links[size_t(pair)].Button; }
    TSmartItems *ModeSelector() const { return m_mode; }
    TSmartItems *TransitionSelector() const { return m_transition; }
    QPushButton *PixelUnitButton() const { return m_pixelUnit; }
    QPushButton *ZoomPresetButton() const { return m_zoomPreset; }
    QPushButton *PresetsButton() const { return m_presets; }
    QGroupBox *BlankingAdjust() const { return m_blanking; }

    // A wheel turn over the page (angle in eighths of a degree, as Qt gives it).
    void Wheel(int angleDelta);

signals:
    // "Preset (Load && Save)" pressed.
    void PresetsRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TLink
    {
        QAbstractButton *Button = nullptr;
        int First = 0;
        int Second = 0;
        bool On = false;
        long double Ratio = 0;
    };

    void BuildZoomPage(QWidget *page);
    void BuildBlanking(QWidget *page);
    TEditUpDown *NewField(QWidget *parent, int varNumber, const QRect &geometry);
    QAbstractButton *NewLinkButton(QWidget *parent, TPair pair, const QRect &geometry);
    void ConnectHandlers();
    void ConnectPreview();

    // Reports.
    void ResizePreview();
    void ShowImageValue(int varNumber);
    void ShowOutputSize(int varNumber);
    void ShowZoomPosition(int varNumber);
    void ShowZoomSize(int varNumber);
    void ShowUnitMode();
    void ShowZoomMode();
    void ShowSelectors();
    void ApplyBands(const TCommonState &state);

    // The operator's actions.
    void EnterValue(int varNumber, int position);
    void ToggleLink(TPair pair);
    bool MayWriteZoom();
    void SendZoom(int varNumber, int value);
    void DragPosition(int varNumber);
    void DragSize(int varNumber);
    void PressZoomPreset();
    void PressPixelUnit();

    uint16_t Slot0(int varNumber) const;
    bool ReportIsForSlot0() const;

    TMainContext m_context;
    TCadrageImage_2 *m_preview = nullptr;
    QSlider *m_scale = nullptr;
    TSmartItems *m_mode = nullptr;
    TSmartItems *m_transition = nullptr;
    QPushButton *m_pixelUnit = nullptr;
    QPushButton *m_zoomPreset = nullptr;
    QPushButton *m_presets = nullptr;
    QGroupBox *m_blanking = nullptr;
    QWidget *m_zoomPage = nullptr;
    std::array<TEditUpDown *, 8> m_fields{};
    std::array<TLink, PairCount> m_links{};
    int m_wheelAngle = 0;
};
