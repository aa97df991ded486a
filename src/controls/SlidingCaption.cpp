#include "SlidingCaption.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <algorithm>

namespace {
constexpr int TextIndent = 3;
}

TSlidingCaption::TSlidingCaption(QWidget *parent, int intervalMs) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMouseTracking(true);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &TSlidingCaption::Step);
}

void TSlidingCaption::SetText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    Rest();
    update();
}

QSize TSlidingCaption::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_text) + 2 * (TextIndent + frameWidth()),
            metrics.height() + 2 * (2 + frameWidth())};
}

QRect TSlidingCaption::TextArea() const
{
    return contentsRect().adjusted(TextIndent, 0, 0, 0);
}

// How far the text would have to move for its end to come within the margin
// of the right edge; 0 when it fits.
int TSlidingCaption::Overflow() const
{
    const int width = fontMetrics().horizontalAdvance(m_text);
    return std::max(0, width - (TextArea().width() - RightMargin));
}

void TSlidingCaption::Rest()
{
    m_timer.stop();
    m_offset = 0;
    m_towardsLeft = true;
}

void TSlidingCaption::Step()
{
    const int overflow = Overflow();
    if (overflow == 0) {
        Rest();
        update();
        return;
    }
    if (m_towardsLeft) {
        if (++m_offset >= overflow)
            m_towardsLeft = false;
    } else if (--m_offset <= 0) {
        m_towardsLeft = true;
        if (++m_cyclesDone >= m_cycles)
            Rest();
    }
    update();
}

void TSlidingCaption::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_timer.isActive() && m_cyclesDone < m_cycles && Overflow() > 0)
        m_timer.start();
    QFrame::mouseMoveEvent(event);
}

void TSlidingCaption::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        emit Clicked();
    QFrame::mousePressEvent(event);
}

// The cycles are counted per visit of the pointer, so that a caption does not
// keep sliding under a pointer that rests on it.
void TSlidingCaption::leaveEvent(QEvent *event)
{
    m_cyclesDone = 0;
    Rest();
    update();
    QFrame::leaveEvent(event);
}

void TSlidingCaption::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        Rest();
    QFrame::changeEvent(event);
}

void TSlidingCaption::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = TextArea();
    painter.setClipRect(area);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(area.translated(-m_offset, 0).adjusted(0, 0, m_offset + Overflow(), 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_text);
}
