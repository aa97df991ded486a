#include "DoubleItems.h"

#include <QMouseEvent>
#include <QPainter>

TDoubleItems::TDoubleItems(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FitHeight();
}

void TDoubleItems::SetCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TDoubleItems::SetItemIndex_Left(int index)
{
    m_left = index;
    FitHeight();
}

void TDoubleItems::SetItemIndex_Right(int index)
{
    m_right = index;
    FitHeight();
}

void TDoubleItems::SetVisibledOnlyChecked(bool collapsed)
{
    m_collapsed = collapsed;
    FitHeight();
}

void TDoubleItems::SetTitleColor(const QColor &colour)
{
    m_titleColor = colour;
    update();
}

void TDoubleItems::SetRectangleColor(const QColor &colour)
{
    m_rectangleColor = colour;
    update();
}

void TDoubleItems::SetColor(const QColor &colour)
{
    m_color = colour;
    update();
}

void TDoubleItems::SetItems(const QStringList &captions)
{
    m_entries.clear();
    for (const QString &caption : captions)
        m_entries.append({caption, true, true});
    FitHeight();
}

QString TDoubleItems::ItemCaption(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries[index].caption : QString();
}

void TDoubleItems::SetItemVisible(int index, bool visible)
{
    if (index < 0 || index >= m_entries.size())
        return;
    m_entries[index].visible = visible;
    FitHeight();
}

void TDoubleItems::SetItemEnabled(int index, bool enabled)
{
    if (index < 0 || index >= m_entries.size())
        return;
    m_entries[index].enabled = enabled;
    update();
}

QList<int> TDoubleItems::ShownEntries() const
{
    QList<int> shown;
    for (int i = 0; i < m_entries.size(); ++i) {
        const bool chosen = i == m_left || i == m_right;
        if (m_collapsed ? chosen : m_entries[i].visible)
            shown << i;
    }
    return shown;
}

int TDoubleItems::EntryAtRow(int row) const
{
    const QList<int> shown = ShownEntries();
    return row >= 1 && row <= shown.size() ? shown[row - 1] : -1;
}

QSize TDoubleItems::sizeHint() const
{
    return {180, RowHeight * int(1 + ShownEntries().size()) + 1};
}

// Expanding grows the control downwards over what lies below it.
void TDoubleItems::FitHeight()
{
    resize(width(), sizeHint().height());
    if (!m_collapsed)
        raise();
    updateGeometry();
    update();
}

TDoubleItems::TPart TDoubleItems::PartAt(int x) const
{
    if (x < 0 || x >= width())
        return partNone;
    if (x < CellWidth)
        return partLeft;
    if (x >= width() - CellWidth)
        return partRight;
    return partCenter;
}

QRect TDoubleItems::CellRect(int row, TPart part) const
{
    const int top = row * RowHeight;
    switch (part) {
    case partLeft:
        return {0, top, CellWidth, RowHeight};
    case partRight:
        return {width() - CellWidth, top, CellWidth, RowHeight};
    case partCenter:
        return {CellWidth, top, width() - 2 * CellWidth, RowHeight};
    case partNone:
        break;
    }
    return {};
}

void TDoubleItems::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    painter.fillRect(QRect(0, 0, width(), RowHeight), m_titleColor);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, width(), RowHeight).adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     m_caption);
    const QList<int> shown = ShownEntries();
    for (int k = 0; k < shown.size(); ++k) {
        const int row = k + 1;
        const TEntry &entry = m_entries[shown[k]];
        const QColor text = entry.enabled ? palette().color(QPalette::Active, QPalette::Text)
                                          : palette().color(QPalette::Disabled, QPalette::Text);
        for (TPart part : {partLeft, partRight}) {
            const QRect cell = CellRect(row, part).adjusted(3, 3, -4, -4);
            const bool chosen = shown[k] == (part == partLeft ? m_left : m_right);
            painter.setPen(m_rectangleColor);
            painter.setBrush(chosen ? QBrush(m_rectangleColor) : Qt::NoBrush);
            painter.drawRect(cell);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(text);
        painter.drawText(CellRect(row, partCenter).adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignHCenter,
                         entry.caption);
    }
    if (m_hoverRow >= 1 && m_hoverPart != partNone) {
        painter.setPen(Qt::red);
        painter.drawRect(CellRect(m_hoverRow, m_hoverPart).adjusted(0, 0, -1, -1));
    }
    painter.setPen(m_rectangleColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TDoubleItems::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int row = at.y() / RowHeight;
    const int entry = EntryAtRow(row);
    const TPart part = entry >= 0 ? PartAt(at.x()) : partNone;
    if (row != m_hoverRow || part != m_hoverPart) {
        m_hoverRow = entry >= 0 ? row : -1;
        m_hoverPart = part;
        update();
    }
    if (entry < 0)
        return;
    switch (part) {
    case partLeft:
        emit OnMouseMoveItemLeftEvent(entry, this);
        break;
    case partRight:
        emit OnMouseMoveItemRightEvent(entry, this);
        break;
    case partCenter:
        emit OnMouseMoveItemCenterEvent(entry, this);
        break;
    case partNone:
        return;
    }
    emit OnMouseMoveItemAllEvent(entry, this);
}

void TDoubleItems::leaveEvent(QEvent *)
{
    m_hoverRow = -1;
    m_hoverPart = partNone;
    update();
}

void TDoubleItems::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const int entry = EntryAtRow(at.y() / RowHeight);
    if (!m_collapsed && entry >= 0 && m_entries[entry].visible && m_entries[entry].enabled) {
        const TPart part = PartAt(at.x());
        if (part == partLeft)
            emit OnSelectedItemLeftChange(entry, this);
        else if (part == partRight)
            emit OnSelectedItemRightChange(entry, this);
    }
    m_hoverRow = -1;
    SetVisibledOnlyChecked(!m_collapsed);
}
