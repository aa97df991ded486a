#pragma once
#include <QFrame>
#include <QIcon>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <vector>

class QAbstractButton;

class QToolButton;

// Replaces the tabs of a page control with a strip of toggle buttons; the
// chosen page slides in, as its own borderless panel, at a fixed place beside
// the strip. Requests made while a slide runs are queued and handled in turn,
// so a quick series of clicks ends on the last page asked for.
class TGestionSlide : public QWidget
{
    Q_OBJECT
public:
    enum TPosition { _Horizontal, _Vertical };
    enum TLayer { _BringToFront, _SendToBack };

    // The animation ticks every animationIntervalMs; tests use a manual step.
    explicit TGestionSlide(QWidget *parent = nullptr, int animationIntervalMs = 1);
    ~TGestionSlide() override;

    // Takes the pages of the tab widget (which is hidden from then on) and
    // makes one button per page. The pages move onto their sliding panels.
    void SetPageControl(QTabWidget *pages);
    QTabWidget *PageControl() const { return m_pageControl; }

    int SlideTop = 0;
    int SlideLeft = 0;
    int Space = 0;
    TLayer Layer = _SendToBack;

    int Speed() const { return m_speed; }
    void SetSpeed(int speed) { m_speed = speed == 0 ? 1 : speed; }
    bool WithClose() const { return m_withClose; }
    void SetWithClose(bool on);
    bool WithSensThereforeNotWithClose() const { return m_withSens; }
    void SetWithSensThereforeNotWithClose(bool on);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position);
    bool Enlarge() const { return m_enlarge; }
    void SetEnlarge(bool on);

    int ItemIndex() const { return m_itemIndex; }
    // A negative index closes the current page. Raises "Property PageControl
    // of GestionSlide is Empty!" without an attached page control.
    void SetItemIndex(int index);

    int PageCount() const { return int(m_pages.size()); }
    bool PageVisible(int index) const;
    void SetPageVisible(int index, bool visible);
    QAbstractButton *Button(int index) const;
    QWidget *Panel(int index) const;
    bool IsSliding() const { return m_timer.isActive(); }
    int QueuedRequests() const { return int(m_queue.size()); }

    // One step of the animation; the timer calls it, tests may too.
    void AnimationStep();

signals:
    void OnChange(QObject *sender);
    void OnFinishSlide(QObject *sender);
    void OnMouseDown(Qt::MouseButton button, int index, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TPage
    {
        QPointer<QWidget> content;
        QString name;
        QString caption;
        QIcon icon;
        bool visible = true;
        QToolButton *button = nullptr;
        QPointer<QFrame> panel;
    };

    void RequestPage(int index);
    void Select(int index);
    void StartSlide();
    void FinishSlide();
    QFrame *EnsurePanel(int index);
    int RestingLeft() const { return SlideLeft + Space; }
    int OutOfViewLeft(const QFrame *panel, bool forward) const;
    void LayoutButtons();
    void UpdateButtons();
    void ReleasePages();

    QPointer<QTabWidget> m_pageControl;
    std::vector<TPage> m_pages;
    std::deque<int> m_queue;
    static constexpr size_t QueueCapacity = 255;
    QTimer m_timer;
    int m_speed = 4;
    bool m_withClose = false;
    bool m_withSens = false;
    bool m_enlarge = true;
    TPosition m_position = _Vertical;
    int m_itemIndex = -1;
    QPointer<QFrame> m_entering;
    QPointer<QFrame> m_leaving;
    bool m_forward = true;
};
