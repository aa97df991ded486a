#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>
#include <array>

// What the two audio meters share: a fixed 237 x 55 picture with a minus
// button, a bar area and a plus button; a position in Min..Max set by the
// owner and by the mouse; a caption at the top left. The subclasses build the
// bar table and draw the bars.
class TAudioMeter : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MeterWidth = 237;
    static constexpr int MeterHeight = 55;
    static constexpr int BarBottom = 51;
    static constexpr int BarCount = 99;
    static constexpr int TableSize = 101;

    enum TZone { zoneNone, zoneMinus, zoneBars, zonePlus };

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    int32_t Position() const { return m_position; }
    void SetPosition(int32_t position);
    int32_t Min() const { return m_min; }
    void SetMin(int32_t min) { m_min = min; }
    int32_t Max() const { return m_max; }
    void SetMax(int32_t max) { m_max = max; }

    // The share of the range the position stands at, 0 to 100.
    int Percent() const;
    static TZone ZoneAt(QPoint point);
    static int BarX(int bar) { return 21 + 6 * (bar / 3) + bar % 3; }

    QSize sizeHint() const override { return {MeterWidth, MeterHeight}; }

signals:
    void OnPositionEvent(TAudioMeter *Sender, int32_t Position);
    void OnMouseMoveEvent(TAudioMeter *Sender, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    explicit TAudioMeter(QWidget *parent);

    // Splits a colour into the parts the drawing uses; a colour that is not
    // valid leaves the previous parts.
    static void TakeColour(const QColor &colour, QColor &parts);
    // A colour whose red, green and blue are each mapped by the same rule.
    template <class TRule>
    static QColor MapComponents(const QColor &parts, TRule rule)
    {
        return QColor(rule(parts.red()), rule(parts.green()), rule(parts.blue()));
    }

    virtual void DrawBars(QPainter &painter, int percent) const = 0;

    std::array<int, TableSize> m_barX{};
    std::array<int, TableSize> m_barTop{};

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void HandleMouse(QMouseEvent *event);
    void SetPositionFromMouse(int64_t position);
    void DrawBackgrounds();

    QString m_caption;
    int32_t m_position = 0;
    int32_t m_min = 0;
    int32_t m_max = 100;
    TZone m_pressedButton = zoneNone;
    std::array<QImage, 3> m_backgrounds; // idle, minus pressed, plus pressed
};
