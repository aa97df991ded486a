#include "Unit_GestionSlide.h"

#include "variables/MorlixError.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

TGestionSlide::TGestionSlide(QWidget *parent, int animationIntervalMs) : QWidget(parent)
{
    m_timer.setInterval(animationIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &TGestionSlide::AnimationStep);
}

TGestionSlide::~TGestionSlide()
{
    // The panels belong to the owner window; take them along with the strip.
    for (TPage &page : m_pages)
        delete page.panel.data();
}

void TGestionSlide::SetWithClose(bool on)
{
    m_withClose = on;
    if (on)
        m_withSens = false;
}

void TGestionSlide::SetWithSensThereforeNotWithClose(bool on)
{
    m_withSens = on;
    if (on)
        m_withClose = false;
}

void TGestionSlide::SetPosition(TPosition position)
{
    m_position = position;
    LayoutButtons();
}

void TGestionSlide::SetEnlarge(bool on)
{
    m_enlarge = on;
    LayoutButtons();
}

void TGestionSlide::ReleasePages()
{
    for (TPage &page : m_pages) {
        delete page.button;
        delete page.panel.data();
    }
    m_pages.clear();
    m_queue.clear();
    m_itemIndex = -1;
}

void TGestionSlide::SetPageControl(QTabWidget *pages)
{
    if (m_pageControl)
        m_pageControl->setVisible(true);
    ReleasePages();
    m_pageControl = pages;
    if (!pages)
        return;
    pages->setVisible(false);
    for (int i = 0; i < pages->count(); ++i) {
        TPage page;
        page.content = pages->widget(i);
        page.name = page.content->objectName();
        page.caption = pages->tabText(i);
        page.icon = pages->tabIcon(i);
        page.visible = pages->isTabVisible(i);
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("SpeedButtonOf_") + page.name);
        button->setText(QString(page.caption).remove(QLatin1Char('&')));
        button->setIcon(page.icon);
        button->setToolButtonStyle(page.icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setVisible(page.visible);
        button->setProperty("pageIndex", i);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, i] { RequestPage(i); });
        page.button = button;
        m_pages.push_back(page);
    }
    LayoutButtons();
    UpdateButtons();
}

bool TGestionSlide::PageVisible(int index) const
{
    return index >= 0 && index < PageCount() && m_pages[size_t(index)].visible;
}

void TGestionSlide::SetPageVisible(int index, bool visible)
{
    if (index < 0 || index >= PageCount())
        return;
    m_pages[size_t(index)].visible = visible;
    m_pages[size_t(index)].button->setVisible(visible);
    LayoutButtons();
}

QAbstractButton *TGestionSlide::Button(int index) const
{
    return index >= 0 && index < PageCount() ? m_pages[size_t(index)].button : nullptr;
}

QWidget *TGestionSlide::Panel(int index) const
{
    return index >= 0 && index < PageCount() ? m_pages[size_t(index)].panel.data() : nullptr;
}

void TGestionSlide::SetItemIndex(int index)
{
    if (!m_pageControl)
        throw TMorlixError("Property PageControl of GestionSlide is Empty!");
    if (index < 0) {
        if (m_itemIndex >= 0)
            RequestPage(-1);
        return;
    }
    if (index < PageCount())
        RequestPage(index);
}

void TGestionSlide::RequestPage(int index)
{
    if (IsSliding()) {
        if (m_queue.size() < QueueCapacity && (m_queue.empty() || m_queue.back() != index))
            m_queue.push_back(index);
        UpdateButtons(); // the click must not leave a second button down
        return;
    }
    Select(index);
}

QFrame *TGestionSlide::EnsurePanel(int index)
{
    TPage &page = m_pages[size_t(index)];
    if (page.panel)
        return page.panel;
    QWidget *owner = parentWidget() ? window() : this;
    auto *panel = new QFrame(owner);
    panel->setObjectName(QStringLiteral("SlidePanelOf_") + page.name);
    panel->setWindowTitle(page.caption);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    if (page.content) {
        const QSize size = page.content->size().expandedTo(page.content->minimumSizeHint());
        layout->addWidget(page.content);
        page.content->show();
        panel->resize(size);
    }
    panel->move(OutOfViewLeft(panel, true), SlideTop);
    panel->hide();
    page.panel = panel;
    return panel;
}

int TGestionSlide::OutOfViewLeft(const QFrame *panel, bool forward) const
{
    // Forward, a page enters from behind the button strip; backward, from
    // the far side of the window.
    const QWidget *owner = panel->parentWidget();
    if (forward)
        return mapTo(owner ? owner : this, QPoint(0, 0)).x() - panel->width() - 4;
    return owner ? owner->width() : panel->x() + panel->width();
}

void TGestionSlide::Select(int index)
{
    const int previous = m_itemIndex;
    const bool closing = index < 0 || (m_withClose && index == previous);
    m_forward = !m_withSens || index > previous;

    m_leaving = previous >= 0 ? m_pages[size_t(previous)].panel : nullptr;
    m_entering = nullptr;
    if (closing) {
        m_itemIndex = -1;
    } else {
        if (index == previous) {
            UpdateButtons();
            return; // the page is already there
        }
        QFrame *panel = EnsurePanel(index);
        panel->move(OutOfViewLeft(panel, m_forward), SlideTop);
        panel->show();
        if (Layer == _BringToFront)
            panel->raise();
        else
            panel->lower();
        raise(); // the strip stays in front of the sliding pages
        m_entering = panel;
        m_itemIndex = index;
    }
    UpdateButtons();
    StartSlide();
}

void TGestionSlide::StartSlide()
{
    m_timer.start();
    emit OnFinishSlide(this);
}

void TGestionSlide::AnimationStep()
{
    bool moved = false;
    auto advance = [this, &moved](QFrame *panel, int target) {
        const int distance = target - panel->x();
        if (distance == 0)
            return;
        const double magnitude = std::abs(distance);
        int step = int(std::lround(magnitude / m_speed + 0.5));
        step = qBound(1, step, int(magnitude));
        panel->move(panel->x() + (distance > 0 ? step : -step), SlideTop);
        moved = true;
    };
    if (m_entering)
        advance(m_entering, RestingLeft());
    if (m_leaving && m_leaving != m_entering) {
        const QWidget *owner = m_leaving->parentWidget();
        const int outside = owner ? owner->width() : RestingLeft() + 2 * m_leaving->width();
        advance(m_leaving, outside);
        // The leaving page never covers the entering one.
        if (m_entering && m_leaving->x() < m_entering->x() + m_entering->width())
            m_leaving->move(m_entering->x() + m_entering->width(), SlideTop);
    }
    if (!moved)
        FinishSlide();
}

void TGestionSlide::FinishSlide()
{
    m_timer.stop();
    if (m_leaving && m_leaving != m_entering)
        m_leaving->hide();
    m_leaving = nullptr;
    emit OnChange(this);
    emit OnFinishSlide(this);
    if (!m_queue.empty()) {
        const int next = m_queue.front();
        m_queue.pop_front();
        Select(next);
    }
}

void TGestionSlide::UpdateButtons()
{
    for (int i = 0; i < PageCount(); ++i) {
        QToolButton *button = m_pages[size_t(i)].button;
        const bool current = i == m_itemIndex;
        button->setChecked(current);
        QFont font = button->font();
        font.setBold(current);
        button->setFont(font);
    }
}

void TGestionSlide::LayoutButtons()
{
    int count = 0;
    for (const TPage &page : m_pages)
        if (!m_enlarge || page.visible)
            ++count;
    if (count == 0)
        return;
    const bool vertical = m_position == _Vertical;
    const int length = vertical ? height() : width();
    const int across = (vertical ? width() : height()) - 2;
    const int each = length / count;
    int slot = 0;
    for (const TPage &page : m_pages) {
        if (m_enlarge && !page.visible)
            continue;
        const QRect place = vertical ? QRect(1, slot * each, across, each) : QRect(slot * each, 1, each, across);
        page.button->setGeometry(place);
        ++slot;
    }
}

void TGestionSlide::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutButtons();
}

bool TGestionSlide::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        emit OnMouseDown(mouse->button(), watched->property("pageIndex").toInt(), mouse->modifiers(), at.x(), at.y());
    }
    return QWidget::eventFilter(watched, event);
}
