#pragma once
#include "CadrageGeometry.h"
#include "CadrageHitTest.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QPainter;
class QPixmap;

enum TTypeZoom { _TypeZoomOn = 0, _TypeZoomOff = 1 };

// The preview of the position and zoom page: the output picture (the image
// rectangle) and the zoom window inside or over it. The operator moves the
// zoom rectangle and resizes it by its edges and corners; the control reports
// the new values and waits for the owner to assign them back, so the picture
// only ever shows what the device confirmed.
class TCadrageImage_2 : public QWidget
{
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(QObject *sender)>;
    using TShiftNotifyEvent = std::function<void(QObject *sender, Qt::KeyboardModifiers shift)>;

    explicit TCadrageImage_2(QWidget *parent = nullptr);

    int IMAGE_HPos() const { return m_values[CadrageHorizontal].imagePos; }
    int IMAGE_VPos() const { return m_values[CadrageVertical].imagePos; }
    int IMAGE_HSize() const { return m_values[CadrageHorizontal].imageSize; }
    int IMAGE_VSize() const { return m_values[CadrageVertical].imageSize; }
    void SetIMAGE_HPos(int value) { SetImageValue(m_values[CadrageHorizontal].imagePos, value); }
    void SetIMAGE_VPos(int value) { SetImageValue(m_values[CadrageVertical].imagePos, value); }
    void SetIMAGE_HSize(int value) { SetImageValue(m_values[CadrageHorizontal].imageSize, value); }
    void SetIMAGE_VSize(int value) { SetImageValue(m_values[CadrageVertical].imageSize, value); }

    int Zoom_HPos() const { return m_values[CadrageHorizontal].zoomPos; }
    int Zoom_VPos() const { return m_values[CadrageVertical].zoomPos; }
    int Zoom_HSize() const { return m_values[CadrageHorizontal].zoomSize; }
    int Zoom_VSize() const { return m_values[CadrageVertical].zoomSize; }
    void SetZoom_HPos(int value) { SetZoomPos(CadrageHorizontal, value); }
    void SetZoom_VPos(int value) { SetZoomPos(CadrageVertical, value); }
    void SetZoom_HSize(int value) { SetZoomSize(CadrageHorizontal, value); }
    void SetZoom_VSize(int value) { SetZoomSize(CadrageVertical, value); }

    // Upper limit of corner resizing, tenths of a percent.
    int Zoom_HSize_ET_VSize_MAXIMUM() const { return m_sizeMaximum; }
    void SetZoom_HSize_ET_VSize_MAXIMUM(int value) { m_sizeMaximum = value; }

    // Pixel-unit mode and its sizes; stored as distances from 127 and used
    // from the next assignment or paint on.
    bool ZMSCALE() const { return m_pixelUnits; }
    void SetZMSCALE(bool value) { m_pixelUnits = value; }
    uint16_t NEW_OHSIZ() const { return uint16_t(m_values[CadrageHorizontal].outputSize); }
    uint16_t NEW_OVSIZ() const { return uint16_t(m_values[CadrageVertical].outputSize); }
    uint16_t NEW_ImageHSize() const { return uint16_t(m_values[CadrageHorizontal].windowSize); }
    uint16_t NEW_ImageVSize() const { return uint16_t(m_values[CadrageVertical].windowSize); }
    void SetNEW_OHSIZ(uint16_t value) { m_values[CadrageHorizontal].outputSize = DistanceFromMiddle(value); }
    void SetNEW_OVSIZ(uint16_t value) { m_values[CadrageVertical].outputSize = DistanceFromMiddle(value); }
    void SetNEW_ImageHSize(uint16_t value) { m_values[CadrageHorizontal].windowSize = DistanceFromMiddle(value); }
    void SetNEW_ImageVSize(uint16_t value) { m_values[CadrageVertical].windowSize = DistanceFromMiddle(value); }

    TTypeZoom TypeZoom() const { return m_typeZoom; }
    // Every assignment, changed or not, plays the transition.
    void SetTypeZoom(TTypeZoom value);

    bool BlackBandStyleSeizeNeuf() const { return m_blackBands; }
    void SetBlackBandStyleSeizeNeuf(bool value);
    bool FluidAndBackFlash() const { return m_fluidAndBackFlash; }
    void SetFluidAndBackFlash(bool value) { m_fluidAndBackFlash = value; }
    // Not owned; must outlive the control or be cleared.
    const QPixmap *BitmapZoom() const { return m_bitmapZoom; }
    void SetBitmapZoom(const QPixmap *picture);

    void SetOnZoom_HPos(TNotifyEvent handler) { m_onZoomPos[CadrageHorizontal] = std::move(handler); }
    void SetOnZoom_VPos(TNotifyEvent handler) { m_onZoomPos[CadrageVertical] = std::move(handler); }
    void SetOnZoom_HSize(TNotifyEvent handler) { m_onZoomSize[CadrageHorizontal] = std::move(handler); }
    void SetOnZoom_VSize(TNotifyEvent handler) { m_onZoomSize[CadrageVertical] = std::move(handler); }
    void SetOnDoubleClick(TNotifyEvent handler) { m_onDoubleClick = std::move(handler); }
    void SetOnMouseUpChange(TNotifyEvent handler) { m_onMouseUp = std::move(handler); }
    void SetOnMouseMiddleDownChange(TShiftNotifyEvent handler) { m_onMiddleDown = std::move(handler); }

    // Where the rectangles are drawn, in control pixels.
    TCadrageBox ImageBox() const;
    TCadrageBox ZoomBox() const;
    TCadrageMode Mode() const { return m_hitTest.Mode(); }

    // The transition's tick interval, 1 ms; tests may change it.
    void SetTransitionInterval(int ms) { m_transitionTimer.setInterval(ms); }
    bool TransitionRunning() const { return m_transitionTimer.isActive(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    static int DistanceFromMiddle(uint16_t value) { return std::abs(int(value) - 127); }
    void SetImageValue(int &field, int value);
    // Keeps the owner's value for the drag events to compare against.
    void SetZoomValue(int &field, int &assigned, int value);
    void SetZoomPos(TCadrageAxis axis, int value)
    {
        SetZoomValue(m_values[axis].zoomPos, m_assignedZoomPos[axis], value);
    }
    void SetZoomSize(TCadrageAxis axis, int value)
    {
        SetZoomValue(m_values[axis].zoomSize, m_assignedZoomSize[axis], value);
    }
    void Recompute();

    void HoverPass(QPoint pointer);
    void DragStep(QPoint pointer);
    void DragMove(TCadrageAxis axis, int zoomStart);
    void DragEdge(TCadrageAxis axis, bool leadingEdge, int edge);
    void DragCorner(bool leftCorner, int edge);
    void Raise(const TNotifyEvent &handler);

    void TransitionTick();
    void PaintBackground(QPainter &painter) const;
    void PaintZoom(QPainter &painter) const;
    void PaintImageOutline(QPainter &painter) const;

    std::array<TCadrageAxisValues, 2> m_values;
    std::array<int, 2> m_assignedZoomPos{};
    std::array<int, 2> m_assignedZoomSize{};
    std::array<TCadrageAxisLayout, 2> m_layout;
    int m_sizeMaximum = 5000;
    bool m_pixelUnits = false;
    TTypeZoom m_typeZoom = _TypeZoomOff;
    bool m_blackBands = false;
    bool m_fluidAndBackFlash = false;
    const QPixmap *m_bitmapZoom = nullptr;

    TCadrageHitTest m_hitTest;
    // Width over height, refreshed by every hover pass and frozen by a drag.
    double m_zoomRatio = 0;

    QTimer m_transitionTimer;
    std::vector<TCadrageBox> m_transitionFrames;
    int m_transitionFrame = -1;

    std::array<TNotifyEvent, 2> m_onZoomPos;
    std::array<TNotifyEvent, 2> m_onZoomSize;
    TNotifyEvent m_onDoubleClick;
    TNotifyEvent m_onMouseUp;
    TShiftNotifyEvent m_onMiddleDown;
};
