#pragma once
#include "EventMeter.h"
#include "LogoFramingGeometry.h"

#include <QColor>
#include <QWidget>
#include <array>
#include <functional>

class QPainter;

enum TmodeUtilLogoFrame {
    _Normal,
    _EnregistrementLogoFixe,
    _EnregistrementLogoAnimee,
    _EnregistrementFrame,
    _EraseLogo,
    _EraseFrame
};
enum TCadrageDoubleLogoCode { _Moving, _EndMove };
enum TLogo1OrLogo2 { _None, _Logo1, _Logo2 };

// The preview of the logos and frames page: the output picture as a white
// area with the output's proportions and, on it, the capture rectangle (while
// recording a logo) or the placement of the logos. Every value a drag
// produces passes through an event meter, so the owner is asked to send the
// next value only once the device has answered the previous one.
class TCadrageDoubleLogo : public QWidget
{
    Q_OBJECT
public:
    using TCadrageNotifyEvent = std::function<void(QObject *sender, TCadrageDoubleLogoCode code)>;
    using TMouseMoveNotifyEvent = std::function<void(QObject *sender, TLogo1OrLogo2 target, int y, int x)>;

    explicit TCadrageDoubleLogo(QWidget *parent = nullptr);

    TmodeUtilLogoFrame LMODE() const { return m_mode; }
    void SetLMODE(TmodeUtilLogoFrame mode);

    // The capture rectangle, 0..255 of the picture.
    uint32_t LHPCAP() const { return m_capture[CapLeft]; }
    uint32_t LVPCAP() const { return m_capture[CapTop]; }
    uint32_t LHSCAP() const { return m_capture[CapWidth]; }
    uint32_t LVSCAP() const { return m_capture[CapHeight]; }
    void SetLHPCAP(uint32_t value) { Assign(m_capture[CapLeft], value, &m_captureMove, 0); }
    void SetLVPCAP(uint32_t value) { Assign(m_capture[CapTop], value, &m_captureMove, 1); }
    void SetLHSCAP(uint32_t value) { Assign(m_capture[CapWidth], value, &m_captureWidth, 0); }
    void SetLVSCAP(uint32_t value) { Assign(m_capture[CapHeight], value, &m_captureHeight, 0); }

    // Logo n (1 or 2): position on its free travel and size, 0..255 of the picture.
    uint32_t LHPOS1x() const { return m_logos[0].hpos; }
    uint32_t LVPOS1x() const { return m_logos[0].vpos; }
    uint32_t LHSIZ1x() const { return m_logos[0].hsiz; }
    uint32_t LVSIZ1x() const { return m_logos[0].vsiz; }
    uint32_t LHPOS2x() const { return m_logos[1].hpos; }
    uint32_t LVPOS2x() const { return m_logos[1].vpos; }
    uint32_t LHSIZ2x() const { return m_logos[1].hsiz; }
    uint32_t LVSIZ2x() const { return m_logos[1].vsiz; }
    void SetLHPOS1x(uint32_t value) { Assign(m_logos[0].hpos, value, &m_logos[0].move, 0); }
    void SetLVPOS1x(uint32_t value) { Assign(m_logos[0].vpos, value, &m_logos[0].move, 1); }
    void SetLHSIZ1x(uint32_t value) { Assign(m_logos[0].hsiz, value, nullptr, 0); }
    void SetLVSIZ1x(uint32_t value) { Assign(m_logos[0].vsiz, value, nullptr, 0); }
    void SetLHPOS2x(uint32_t value) { Assign(m_logos[1].hpos, value, &m_logos[1].move, 0); }
    void SetLVPOS2x(uint32_t value) { Assign(m_logos[1].vpos, value, &m_logos[1].move, 1); }
    void SetLHSIZ2x(uint32_t value) { Assign(m_logos[1].hsiz, value, nullptr, 0); }
    void SetLVSIZ2x(uint32_t value) { Assign(m_logos[1].vsiz, value, nullptr, 0); }

    bool Logo1() const { return m_logos[0].shown; }
    bool Logo2() const { return m_logos[1].shown; }
    void SetLogo1(bool shown);
    void SetLogo2(bool shown);
    int NumLogo() const { return m_numLogo; }
    void SetNumLogo(int logo) { m_numLogo = logo; }
    int TotalLogoPossible() const { return m_totalLogoPossible; }
    void SetTotalLogoPossible(int total);

    uint16_t OHSIZx() const { return m_outputWidth; }
    uint16_t OVSIZx() const { return m_outputHeight; }
    void SetOHSIZx(uint16_t value);
    void SetOVSIZx(uint16_t value);

    // Stored logo sizes in device pixels, for the mismatch test.
    uint16_t PIXELSIZ1() const { return m_logos[0].storedWidth; }
    uint16_t LINESIZ1() const { return m_logos[0].storedHeight; }
    uint16_t PIXELSIZ2() const { return m_logos[1].storedWidth; }
    uint16_t LINESIZ2() const { return m_logos[1].storedHeight; }
    void SetPIXELSIZ1(uint16_t value) { SetAndRedraw(m_logos[0].storedWidth, value); }
    void SetLINESIZ1(uint16_t value) { SetAndRedraw(m_logos[0].storedHeight, value); }
    void SetPIXELSIZ2(uint16_t value) { SetAndRedraw(m_logos[1].storedWidth, value); }
    void SetLINESIZ2(uint16_t value) { SetAndRedraw(m_logos[1].storedHeight, value); }
    TFORCEMismatchx FORCEMismatch1() const { return m_logos[0].forceMismatch; }
    TFORCEMismatchx FORCEMismatch2() const { return m_logos[1].forceMismatch; }
    void SetFORCEMismatch1(TFORCEMismatchx value) { SetAndRedraw(m_logos[0].forceMismatch, value); }
    void SetFORCEMismatch2(TFORCEMismatchx value) { SetAndRedraw(m_logos[1].forceMismatch, value); }
    bool Mismatch(int logo) const;

    // An invalid colour is the "no colour" value: outlines stay black.
    QColor Color() const { return m_color; }
    void SetColor(const QColor &color) { SetAndRedraw(m_color, color); }
    bool EnabledMouseUp() const { return m_enabledMouseUp; }
    void SetEnabledMouseUp(bool enabled) { m_enabledMouseUp = enabled; }
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool show) { m_showHint = show; }

    void SetOnFLHPCAPChange(TCadrageNotifyEvent handler) { m_captureEvents[CapLeft] = std::move(handler); }
    void SetOnFLVPCAPChange(TCadrageNotifyEvent handler) { m_captureEvents[CapTop] = std::move(handler); }
    void SetOnFLHSCAPChange(TCadrageNotifyEvent handler) { m_captureEvents[CapWidth] = std::move(handler); }
    void SetOnFLVSCAPChange(TCadrageNotifyEvent handler) { m_captureEvents[CapHeight] = std::move(handler); }
    void SetOnFLHPOS1xChange(TCadrageNotifyEvent handler) { m_logos[0].events[LogoHPos] = std::move(handler); }
    void SetOnFLVPOS1xChange(TCadrageNotifyEvent handler) { m_logos[0].events[LogoVPos] = std::move(handler); }
    void SetOnFLHSIZ1xChange(TCadrageNotifyEvent handler) { m_logos[0].events[LogoHSiz] = std::move(handler); }
    void SetOnFLVSIZ1xChange(TCadrageNotifyEvent handler) { m_logos[0].events[LogoVSiz] = std::move(handler); }
    void SetOnFLHPOS2xChange(TCadrageNotifyEvent handler) { m_logos[1].events[LogoHPos] = std::move(handler); }
    void SetOnFLVPOS2xChange(TCadrageNotifyEvent handler) { m_logos[1].events[LogoVPos] = std::move(handler); }
    void SetOnFLHSIZ2xChange(TCadrageNotifyEvent handler) { m_logos[1].events[LogoHSiz] = std::move(handler); }
    void SetOnFLVSIZ2xChange(TCadrageNotifyEvent handler) { m_logos[1].events[LogoVSiz] = std::move(handler); }
    void SetOnNoneOrLogo1OrLogo2Change(TMouseMoveNotifyEvent handler) { m_onPointing = std::move(handler); }

    // Where the rectangles are drawn, in paint area pixels.
    TCadrageBox CaptureBox() const;
    TCadrageBox LogoBox(int logo) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum { CapLeft, CapTop, CapWidth, CapHeight };
    enum { LogoHPos, LogoVPos, LogoHSiz, LogoVSiz };
    enum class TDrag { None, CaptureMove, Width, Height, Corner, LogoMove };

    struct TLogo {
        uint32_t hpos = 0, vpos = 0, hsiz = 0, vsiz = 0;
        bool shown = true;
        uint16_t storedWidth = 0, storedHeight = 0;
        TFORCEMismatchx forceMismatch = _FMIDontCare;
        TEventMeter move{2, TEventMeter::HalfOfWaiting};
        std::array<TCadrageNotifyEvent, 4> events;
    };

    // One metered axis: the property it feeds and the event that announces it.
    struct TMeteredAxis {
        TEventMeter *meter;
        int axis;
        uint32_t *property;
        TCadrageNotifyEvent *event;
    };

    template <typename T> void SetAndRedraw(T &field, const T &value)
    {
        field = value;
        update();
    }
    void Assign(uint32_t &field, uint32_t value, TEventMeter *meter, int axis);
    void ReleaseWaitingValues();
    std::array<TMeteredAxis, 8> MeteredAxes();
    void UpdateAreaSize();
    bool Recording() const;
    QPoint ClampToArea(QPoint pointer) const;
    void Raise(const TCadrageNotifyEvent &event, TCadrageDoubleLogoCode code);

    void DragStep(QPoint pointer);
    void DragCaptureSizes(bool width, bool height, QPoint pointer);
    void DragCaptureMove(QPoint pointer);
    void DragLogo(QPoint pointer);
    void Hover(QPoint pointer, Qt::MouseButtons buttons);
    int LogoAt(QPoint pointer) const;

    void PaintCapture(QPainter &painter) const;
    void PaintLogo(QPainter &painter, int logo) const;

    TmodeUtilLogoFrame m_mode = _Normal;
    std::array<uint32_t, 4> m_capture{};
    TEventMeter m_captureMove{2, TEventMeter::HalfOfWaiting};
    TEventMeter m_captureWidth{1, TEventMeter::OneByOne};
    TEventMeter m_captureHeight{1, TEventMeter::OneByOne};
    std::array<TCadrageNotifyEvent, 4> m_captureEvents;
    std::array<TLogo, 2> m_logos;
    int m_numLogo = 1;
    int m_totalLogoPossible = 1;
    uint16_t m_outputWidth = 0;
    uint16_t m_outputHeight = 0;
    QColor m_color;
    bool m_enabledMouseUp = true;
    bool m_showHint = false;
    QSize m_area{255, 255};

    TDrag m_drag = TDrag::None;
    bool m_dragged = false;
    QPoint m_grab;
    TMouseMoveNotifyEvent m_onPointing;
};
