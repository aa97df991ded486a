#pragma once
#include <QString>
#include <QWidget>
#include <functional>

// The scrolling text of the status bar: a message enters at the right edge
// and moves left one pixel per step; when it has scrolled past, a new one is
// composed. With nothing to say the ticker stops until it is activated again.
class TStatusTicker : public QWidget
{
    Q_OBJECT
public:
    explicit TStatusTicker(QWidget *parent = nullptr);

    // Composes the next text (a single blank means nothing to say).
    std::function<QString()> Compose;

    void Activate();
    bool Active() const { return m_active; }
    // One step; the main window's fast timer calls it while the ticker is active.
    void Step();

    QString Text() const { return m_text; }
    int X() const { return m_x; }
    // The width of the panel the text scrolls across.
    void SetScrollWidth(int width) { m_scrollWidth = width; }
    int ScrollWidth() const { return m_scrollWidth; }

signals:
    void ActiveChanged(bool active);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void SetActive(bool active);

    QString m_text = QStringLiteral(" ");
    int m_textWidth = 0;
    int m_x = 0;
    int m_scrollWidth = 160;
    bool m_active = false;
};
