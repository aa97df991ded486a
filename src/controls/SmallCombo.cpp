#include "SmallCombo.h"

#include "BaseColour.h"
#include "MenuHelpers.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

TSmallCombo::TSmallCombo(QWidget *parent)
    : QWidget(parent), m_field(new QLineEdit(this)), m_arrow(new QToolButton(this)), m_ownMenu(new QMenu(this))
{
    m_field->setReadOnly(true);
    m_field->setFocusPolicy(Qt::ClickFocus);
    m_arrow->setArrowType(Qt::DownArrow);
    m_arrow->setFocusPolicy(Qt::NoFocus);
    m_arrow->setFixedWidth(15);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_field);
    layout->addWidget(m_arrow);
    resize(sizeHint());
    setMouseTracking(true);
    m_field->setMouseTracking(true);
    m_field->installEventFilter(this);
    m_arrow->installEventFilter(this);
    connect(m_arrow, &QToolButton::clicked, this, [this] { SetDroppedDown(true); });
    connect(m_ownMenu, &QMenu::triggered, this, &TSmallCombo::OnEntryChosen);
}

QString TSmallCombo::Text() const
{
    return m_field->text();
}

int TSmallCombo::ItemCount() const
{
    return int(m_popUpMenu ? m_popUpMenu->actions().size() : m_items.size());
}

QString TSmallCombo::EntryCaption(int index) const
{
    if (index < 0 || index >= ItemCount())
        return {};
    return m_popUpMenu ? StripAccelerators(m_popUpMenu->actions().at(index)->text()) : m_items.at(index);
}

void TSmallCombo::SetItemIndex(int index)
{
    const bool changed = index != m_itemIndex;
    m_itemIndex = index;
    m_field->setText(EntryCaption(index));
    if (changed)
        emit OnChange(this);
}

void TSmallCombo::SetPopUpMenu(QMenu *menu)
{
    if (m_popUpMenu)
        disconnect(m_popUpMenu, nullptr, this, nullptr);
    m_popUpMenu = menu;
    if (menu)
        connect(menu, &QMenu::triggered, this, &TSmallCombo::OnEntryChosen);
    SetItemIndex(0);
}

void TSmallCombo::GrowFlags(int count)
{
    while (m_visible.size() < count)
        m_visible << true;
    while (m_enabled.size() < count)
        m_enabled << true;
}

void TSmallCombo::SetItems(const QStringList &items)
{
    m_items = items;
    GrowFlags(int(items.size()));
    SetItemIndex(m_itemIndex);
}

void TSmallCombo::AddItem(const QString &item)
{
    m_items << item;
    GrowFlags(int(m_items.size()));
}

void TSmallCombo::SetItemEnabled(int position, bool enabled)
{
    if (position < 0)
        return;
    GrowFlags(position + 1);
    m_enabled[position] = enabled;
}

void TSmallCombo::SetItemVisible(int position, bool visible)
{
    if (position < 0)
        return;
    GrowFlags(position + 1);
    m_visible[position] = visible;
}

QMenu *TSmallCombo::EntryMenu() const
{
    return m_popUpMenu ? m_popUpMenu.data() : m_ownMenu;
}

// The flags are applied on every opening: the attached menu may be shared
// and its items changed by its owner in between.
void TSmallCombo::PrepareEntries(QMenu *menu)
{
    if (menu == m_ownMenu) {
        m_ownMenu->clear();
        for (const QString &item : std::as_const(m_items))
            m_ownMenu->addAction(item);
    }
    const QList<QAction *> entries = menu->actions();
    GrowFlags(int(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        entries[i]->setVisible(m_visible[i]);
        entries[i]->setEnabled(m_enabled[i]);
    }
}

bool TSmallCombo::DroppedDown() const
{
    return EntryMenu()->isVisible();
}

void TSmallCombo::SetDroppedDown(bool dropped)
{
    QMenu *menu = EntryMenu();
    if (!dropped) {
        menu->hide();
        return;
    }
    if (menu->isVisible() || !isEnabled())
        return;
    PrepareEntries(menu);
    emit OnDropDown(this);
    PopupBelow(menu, this);
}

void TSmallCombo::OnEntryChosen(QAction *action)
{
    const int index = int(EntryMenu()->actions().indexOf(action));
    if (index < 0 || !action->isEnabled())
        return;
    SetItemIndex(index);
    emit OnClick(this);
}

TSmallCombo::TBorderStyle TSmallCombo::BorderStyle() const
{
    return m_field->hasFrame() ? bsSingle : bsNone;
}

void TSmallCombo::SetBorderStyle(TBorderStyle style)
{
    m_field->setFrame(style == bsSingle);
}

QColor TSmallCombo::Color() const
{
    return BaseColour(m_field);
}

void TSmallCombo::SetColor(const QColor &colour)
{
    SetBaseColour(m_field, colour);
}

bool TSmallCombo::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (watched == m_field && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            SetDroppedDown(true);
        break;
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = static_cast<QWidget *>(watched)->mapTo(this, mouse->position().toPoint());
        emit OnMouseMoveChange(this, mouse->modifiers(), at.x(), at.y());
        break;
    }
    case QEvent::FocusIn:
        if (watched == m_field)
            emit OnEnter(this);
        break;
    case QEvent::FocusOut:
        if (watched == m_field)
            emit OnExit(this);
        break;
    default:
        break;
    }
    return false;
}
