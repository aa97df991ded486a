#include "transfer/AnimatedStrip.h"

#include <QColor>
#include <QRect>
#include <algorithm>
#include <cstring>

namespace {

constexpr QRgb SeeThrough = qRgb(0, 0, 0);
constexpr QRgb VisibleBlack = qRgb(1, 1, 1);

struct TPixelRef
{
    uchar *Bytes;
    QRgb Get() const { return qRgb(Bytes[0], Bytes[1], Bytes[2]); }
    void Set(QRgb color) const
    {
        Bytes[0] = uchar(qRed(color));
        Bytes[1] = uchar(qGreen(color));
        Bytes[2] = uchar(qBlue(color));
    }
};

class TStripPainter
{
public:
    TStripPainter(const TGifImage &gif, const TStripLayout &layout)
        : Gif(gif), Layout(layout), Transparent(gif.IsTransparent())
    {
    }

    QImage Paint()
    {
        Strip = QImage(Layout.SlotWidth, Layout.StripHeight(), QImage::Format_RGB888);
        if (Strip.isNull())
            return {};
        Strip.fill(QColor::fromRgb(Gif.Background));
        for (int n = 0; n < Layout.FrameCount(); ++n)
            PaintFrame(n, *Layout.Frames[size_t(n)]);
        return Strip;
    }

private:
    TPixelRef Pixel(int slot, int x, int y)
    {
        return {Strip.scanLine(slot * Layout.SlotHeight + y) + 3 * x};
    }

    // The part of the frame that lies in its slot: frames placed off the
    // largest frame's area are cut rather than written past the slot.
    QRect ClippedRect(const TGifFrame &frame) const
    {
        return QRect(frame.Left, frame.Top, frame.Width, frame.Height)
            .intersected(QRect(0, 0, Layout.SlotWidth, Layout.SlotHeight));
    }

    void CopyPreviousSlot(int n)
    {
        const qsizetype slotBytes = Strip.bytesPerLine() * Layout.SlotHeight;
        std::memcpy(Strip.scanLine(n * Layout.SlotHeight), Strip.constScanLine((n - 1) * Layout.SlotHeight),
                    size_t(slotBytes));
    }

    template <typename ColorOf>
    void FillRect(int n, const QRect &rect, ColorOf colorOf)
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                Pixel(n, x, y).Set(colorOf(x, y));
    }

    void PaintFrame(int n, const TGifFrame &frame)
    {
        const QRect rect = ClippedRect(frame);
        const int d = frame.Disposal;
        auto own = [&](int x, int y) { return frame.ColorAt(x - frame.Left, y - frame.Top); };
        if (n > 0 && (d == TGifFrame::dmUnspecified || d == TGifFrame::dmKeep))
            CopyPreviousSlot(n);
        else if (d == TGifFrame::dmBackground)
            FillRect(n, rect, [&](int, int) { return Gif.Background; });
        else
            FillRect(n, rect, own);

        const QRgb transparentColor = frame.TransparentColor();
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const TPixelRef slot = Pixel(n, x, y);
                const QRgb ownColor = own(x, y);
                const bool masked = frame.MaskAt(x - frame.Left, y - frame.Top);
                if (masked && ownColor == transparentColor && d == TGifFrame::dmBackground)
                    slot.Set(SeeThrough);
                if (!masked)
                    slot.Set(ownColor == SeeThrough ? VisibleBlack : ownColor);
                if (masked && Transparent && slot.Get() == transparentColor)
                    slot.Set(SeeThrough);
            }
        }
    }

    const TGifImage &Gif;
    const TStripLayout &Layout;
    const bool Transparent;
    QImage Strip;
};

} // namespace

TStripLayout LayoutStrip(const TGifImage &gif)
{
    TStripLayout layout;
    for (const TGifFrame &frame : gif.Frames) {
        if (frame.IsEmpty())
            continue;
        layout.Frames.push_back(&frame);
        layout.SlotWidth = std::max(layout.SlotWidth, frame.Width);
        layout.SlotHeight = std::max(layout.SlotHeight, frame.Height);
    }
    return layout;
}

QImage ComposeStrip(const TGifImage &gif, const TStripLayout &layout)
{
    if (layout.FrameCount() == 0)
        return {};
    return TStripPainter(gif, layout).Paint();
}
