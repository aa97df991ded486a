#include "StatusTicker.h"

#include <QPainter>

TStatusTicker::TStatusTicker(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Ticker"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_textWidth = fontMetrics().horizontalAdvance(m_text);
}

void TStatusTicker::SetActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    emit ActiveChanged(active);
}

void TStatusTicker::Activate()
{
    SetActive(true);
}

void TStatusTicker::Step()
{
    const QString blank = QStringLiteral(" ");
    if (m_x + m_textWidth < 0 || m_text == blank)
        m_x = m_scrollWidth;
    else
        m_x -= 1;
    if (m_x >= m_scrollWidth) {
        m_text = Compose ? Compose() : blank;
        m_textWidth = fontMetrics().horizontalAdvance(m_text);
        SetActive(m_text != blank);
    }
    update();
}

void TStatusTicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawText(QRect(m_x, 0, m_textWidth + 1, height()), Qt::AlignLeft | Qt::AlignVCenter, m_text);
}
