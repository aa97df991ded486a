#pragma once
#include <QFrame>
#include <QTimer>

// A read-only text field for captions that may not fit. While the pointer
// moves over it, a text wider than the field scrolls left until its end is in
// view, then back, for a given number of cycles; then it rests at its start.
class TSlidingCaption : public QFrame
{
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 100;
    static constexpr int RightMargin = 4;

    explicit TSlidingCaption(QWidget *parent = nullptr, int intervalMs = DefaultIntervalMs);

    QString Text() const { return m_text; }
    void SetText(const QString &text);

    int Cycles() const { return m_cycles; }
    void SetCycles(int cycles) { m_cycles = cycles; }

    // Pixels the text is shifted to the left; 0 when at rest.
    int Offset() const { return m_offset; }
    bool IsSliding() const { return m_timer.isActive(); }

    QSize sizeHint() const override;

    // One step of the scroll; public so that a test can step it.
    void Step();

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRect TextArea() const;
    int Overflow() const;
    void Rest();

    QString m_text;
    QTimer m_timer;
    int m_cycles = 1;
    int m_cyclesDone = 0;
    int m_offset = 0;
    bool m_towardsLeft = true;
};
