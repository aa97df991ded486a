#include "SmartItems.h"

#include "MenuHelpers.h"
#include "SlidingCaption.h"

#include <QActionGroup>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

namespace {

constexpr int SpecialPitchExtra = 2;

// Makes the actions of a menu radio items of one group that may also have no
// item checked, so that the owner can show "nothing reported yet".
void MakeRadioGroup(QMenu *menu, QObject *groupParent)
{
    auto *group = new QActionGroup(groupParent);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction *action : menu->actions()) {
        action->setCheckable(true);
        group->addAction(action);
    }
}

} // namespace

TSmartItems::TSmartItems(QWidget *parent, int slideIntervalMs) : QGroupBox(parent)
{
    m_field = new TSlidingCaption(this, slideIntervalMs);
    m_field->SetCycles(m_slideCycles);
    m_dropButton = new QToolButton(this);
    m_dropButton->setArrowType(Qt::DownArrow);
    m_dropButton->setFocusPolicy(Qt::NoFocus);
    connect(m_field, &TSlidingCaption::Clicked, this, &TSmartItems::OpenMenu);
    connect(m_dropButton, &QToolButton::clicked, this, &TSmartItems::OpenMenu);
    setMouseTracking(true);
    installEventFilter(this);
    RebuildItemControls();
}

QList<QAction *> TSmartItems::Items() const
{
    return m_menu ? m_menu->actions() : QList<QAction *>{};
}

QAction *TSmartItems::Item(int item) const
{
    const QList<QAction *> items = Items();
    return item >= 0 && item < items.size() ? items[item] : nullptr;
}

QList<QAction *> TSmartItems::SubItems(int item) const
{
    QAction *action = Item(item);
    return action && action->menu() ? action->menu()->actions() : QList<QAction *>{};
}

int TSmartItems::ItemCount() const
{
    return int(Items().size());
}

QAbstractButton *TSmartItems::ItemButton(int item) const
{
    return item >= 0 && item < m_buttons.size() ? m_buttons[item] : nullptr;
}

void TSmartItems::SetStyleType(TType style)
{
    m_style = style;
    if (m_style == _ComboBox && !m_menu)
        SetItems({QStringLiteral("...")});
    else
        RebuildItemControls();
}

void TSmartItems::SetPutMenuPopupMenu(QMenu *menu)
{
    if (m_menu)
        disconnect(m_menu, nullptr, this, nullptr);
    if (m_ownMenu && m_ownMenu != menu) {
        m_ownMenu->deleteLater();
        m_ownMenu = nullptr;
    }
    m_menu = menu;
    m_enabledItems.clear();
    const QList<QAction *> items = Items();
    for (int i = 0; i < items.size(); ++i)
        if (items[i]->isEnabled())
            m_enabledItems.insert(i);
    AdoptMenu();
    RebuildItemControls();
}

void TSmartItems::AdoptMenu()
{
    if (!m_menu)
        return;
    MakeRadioGroup(m_menu, m_menu);
    WatchMenu(m_menu);
    connect(m_menu, &QMenu::triggered, this, &TSmartItems::OnMenuItemChosen);
    connect(m_menu, &QMenu::aboutToShow, this, &TSmartItems::MarkMenu);
    const QList<QAction *> items = Items();
    for (QAction *action : items) {
        if (!action->menu())
            continue;
        MakeRadioGroup(action->menu(), action->menu());
        ConnectSubMenu(action);
    }
}

void TSmartItems::WatchMenu(QMenu *menu)
{
    menu->removeEventFilter(this);
    menu->installEventFilter(this);
}

void TSmartItems::ConnectSubMenu(QAction *action)
{
    QMenu *subMenu = action->menu();
    WatchMenu(subMenu);
    connect(subMenu, &QMenu::aboutToShow, this, [this, action] { OnSubMenuOpening(int(Items().indexOf(action))); });
    connect(subMenu, &QMenu::triggered, this,
            [this, action](QAction *subAction) { OnSubItemChosen(int(Items().indexOf(action)), subAction); });
}

void TSmartItems::SetItems(const QStringList &texts)
{
    auto *menu = new QMenu(this);
    menu->setLayoutDirection(Qt::LeftToRight);
    for (const QString &text : texts)
        menu->addAction(text);
    SetPutMenuPopupMenu(menu);
    m_ownMenu = menu;
}

void TSmartItems::SetSubItems(int item, const QStringList &texts)
{
    QAction *action = Item(item);
    if (!action)
        return;
    QMenu *subMenu = action->menu();
    const bool created = !subMenu;
    if (created) {
        subMenu = new QMenu(m_menu);
        action->setMenu(subMenu);
    }
    for (const QString &text : texts)
        subMenu->addAction(text);
    for (QActionGroup *group : subMenu->findChildren<QActionGroup *>(QString(), Qt::FindDirectChildrenOnly))
        delete group;
    MakeRadioGroup(subMenu, subMenu);
    if (created)
        ConnectSubMenu(action);
}

void TSmartItems::RebuildItemControls()
{
    // The owner may rebuild from inside an item's own event: delete later.
    for (QAbstractButton *button : std::as_const(m_buttons)) {
        button->hide();
        button->removeEventFilter(this);
        button->deleteLater();
    }
    m_buttons.clear();
    m_hoveredItem = -1;
    const bool list = m_style == _ComboBox;
    m_field->setVisible(list);
    m_dropButton->setVisible(list);
    if (!list) {
        const QList<QAction *> items = Items();
        for (int i = 0; i < items.size(); ++i) {
            QAbstractButton *button = m_style == _CheckBox ? static_cast<QAbstractButton *>(new TOwnerCheckBox(this))
                                                           : new TOwnerRadioButton(this);
            button->setText(items[i]->text());
            button->setToolTip(items[i]->toolTip() == StripAccelerators(items[i]->text()) ? QString()
                                                                                          : items[i]->toolTip());
            button->setProperty("tag", i);
            button->setVisible(items[i]->isVisible());
            button->setLayoutDirection(m_alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
            button->setMouseTracking(true);
            button->installEventFilter(this);
            m_buttons << button;
        }
    }
    ApplyEnabled();
    PlaceItems();
    ShowWrittenIndex();
}

void TSmartItems::ApplyEnabled()
{
    const QList<QAction *> items = Items();
    for (int i = 0; i < items.size(); ++i) {
        const bool enabled = m_allEnabled && m_enabledItems.contains(i);
        items[i]->setEnabled(enabled);
        if (QAbstractButton *button = ItemButton(i))
            button->setEnabled(enabled);
    }
    m_field->setEnabled(m_allEnabled);
    m_dropButton->setEnabled(m_allEnabled);
}

void TSmartItems::SetAllEnabled(bool enabled)
{
    m_allEnabled = enabled;
    ApplyEnabled();
}

void TSmartItems::SetItemEnabled(int item, bool enabled)
{
    if (enabled)
        m_enabledItems.insert(item);
    else
        m_enabledItems.remove(item);
    ApplyEnabled();
}

void TSmartItems::SetItemVisible(int item, bool visible)
{
    if (QAction *action = Item(item))
        action->setVisible(visible);
    if (QAbstractButton *button = ItemButton(item))
        button->setVisible(visible);
    PlaceItems();
}

void TSmartItems::SetItemHints(const QStringList &hints)
{
    for (int i = 0; i < hints.size() && i < ItemCount(); ++i) {
        Item(i)->setToolTip(hints[i]);
        if (QAbstractButton *button = ItemButton(i))
            button->setToolTip(hints[i]);
    }
}

void TSmartItems::SetItemCaption(int item, const QString &caption)
{
    QAction *action = Item(item);
    if (!action)
        return;
    const bool shown = m_style == _ComboBox && ItemIndex() == item;
    action->setText(caption);
    if (QAbstractButton *button = ItemButton(item))
        button->setText(caption);
    if (shown)
        m_field->SetText(FieldTextFor(item));
}

QString TSmartItems::GetItemCaption(int item) const
{
    if (QAbstractButton *button = ItemButton(item))
        return button->text();
    QAction *action = Item(item);
    return action ? action->text() : QString();
}

QFont TSmartItems::ItemFont(int item) const
{
    if (item == m_hoveredItem)
        return m_hoveredOwnFont;
    QAbstractButton *button = ItemButton(item);
    return button ? button->font() : font();
}

void TSmartItems::SetItemFont(int item, const QFont &itemFont)
{
    QAbstractButton *button = ItemButton(item);
    if (!button)
        return;
    if (item == m_hoveredItem) {
        m_hoveredOwnFont = itemFont;
        QFont bold = itemFont;
        bold.setBold(true);
        button->setFont(bold);
    } else {
        button->setFont(itemFont);
    }
}

void TSmartItems::SetAlignment(TLeftRight alignment)
{
    m_alignment = alignment;
    for (QAbstractButton *button : std::as_const(m_buttons))
        button->setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TSmartItems::SetEcartSpecial(bool special)
{
    m_ecartSpecial = special;
    PlaceItems();
}

void TSmartItems::SetConteurBoucleSlide(int8_t cycles)
{
    m_slideCycles = cycles;
    m_field->SetCycles(cycles);
}

void TSmartItems::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    PlaceItems();
}

void TSmartItems::PlaceItems()
{
    const QRect area = contentsRect().adjusted(6, 0, -6, -2);
    if (m_style == _ComboBox) {
        const int height = std::min(area.height(), m_field->sizeHint().height());
        const int top = area.top() + (area.height() - height) / 2;
        m_field->setGeometry(area.left(), top, area.width() - height, height);
        m_dropButton->setGeometry(area.right() - height + 1, top, height, height);
        return;
    }
    QList<QAbstractButton *> shown;
    for (int i = 0; i < m_buttons.size(); ++i)
        if (Items().value(i) && Items()[i]->isVisible())
            shown << m_buttons[i];
    if (shown.isEmpty())
        return;
    const int buttonHeight = shown.first()->sizeHint().height();
    const int pitch = m_ecartSpecial ? buttonHeight + SpecialPitchExtra : area.height() / int(shown.size());
    const int firstTop = m_ecartSpecial ? area.top() : area.top() + (pitch - buttonHeight) / 2;
    for (int k = 0; k < shown.size(); ++k)
        shown[k]->setGeometry(area.left(), firstTop + k * pitch, area.width(), buttonHeight);
}

// The text the field shows for an item: its caption as the menu shows it and,
// when one of its sub-items is selected, that sub-item's caption in brackets.
QString TSmartItems::FieldTextFor(int item) const
{
    QAction *action = Item(item);
    if (!action)
        return {};
    QString text = StripAccelerators(action->text());
    const QList<QAction *> subItems = SubItems(item);
    if (m_subItemIndex >= 0 && m_subItemIndex < subItems.size())
        text += QStringLiteral(" [ ") + StripAccelerators(subItems[m_subItemIndex]->text()) + QStringLiteral(" ]");
    return text;
}

void TSmartItems::SetItemIndex(int index)
{
    TUserEventFlag::OwnerWrite ownerWrite(m_userEvent);
    m_writtenIndex = index;
    ShowWrittenIndex();
}

void TSmartItems::SetSUBItemIndex(int subIndex)
{
    m_subItemIndex = subIndex;
    SetItemIndex(m_writtenIndex);
}

void TSmartItems::ShowWrittenIndex()
{
    const int index = m_writtenIndex;
    switch (m_style) {
    case _CheckBox:
        for (QAbstractButton *button : std::as_const(m_buttons))
            button->setChecked(false);
        if (QAbstractButton *button = ItemButton(index))
            button->setChecked(true);
        break;
    case _RadioButton:
        if (QAbstractButton *button = ItemButton(index))
            button->setChecked(true);
        break;
    case _ComboBox: {
        QAction *action = Item(index);
        if (!action || !action->isVisible())
            break;
        m_field->SetText(FieldTextFor(index));
        m_field->setEnabled(m_allEnabled && action->isEnabled());
        m_lastSubMarks[index] = m_subItemIndex;
        MarkMenu();
        break;
    }
    }
}

int TSmartItems::ItemIndex() const
{
    if (m_style != _ComboBox) {
        for (int i = 0; i < m_buttons.size(); ++i)
            if (m_buttons[i]->isChecked())
                return i;
        return -1;
    }
    const QString text = m_field->Text();
    const QList<QAction *> items = Items();
    for (int i = 0; i < items.size(); ++i) {
        const QString caption = items[i]->text();
        if (text == caption || text == StripAccelerators(caption) || text == FieldTextFor(i))
            return i;
    }
    return -1;
}

// The menu's marks follow what the owner wrote, not what the operator chose.
// An item other than the shown one keeps the sub-item mark it was last shown
// with, unless IncludeSubGroupIndex asks for a fresh choice.
void TSmartItems::MarkMenu()
{
    const QList<QAction *> items = Items();
    const int shownItem = m_style == _ComboBox ? m_writtenIndex : -1;
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setChecked(i == shownItem);
        const int subMark = i == shownItem ? m_subItemIndex : m_includeSubGroupIndex ? -1 : m_lastSubMarks.value(i, -1);
        const QList<QAction *> subItems = SubItems(i);
        for (int s = 0; s < subItems.size(); ++s)
            subItems[s]->setChecked(s == subMark);
    }
}

void TSmartItems::OpenMenu()
{
    if (!m_menu || !m_allEnabled)
        return;
    m_menuButton = Qt::LeftButton;
    PopupBelow(m_menu, m_field);
}

void TSmartItems::OnMenuItemChosen(QAction *action)
{
    const int item = int(Items().indexOf(action));
    MarkMenu();
    if (item < 0) // a sub-item; its own menu reports it
        return;
    const Qt::MouseButton button = m_menuButton;
    m_menuButton = Qt::LeftButton;
    emit OnSmartItemsClickChange(this, button, m_userEvent.UserEvent(), item, action->text());
}

void TSmartItems::OnSubMenuOpening(int item)
{
    QAction *action = Item(item);
    if (!action)
        return;
    MarkMenu();
    emit OnSmartItemsClickChange(this, Qt::MiddleButton, m_userEvent.UserEvent(), item, action->text());
}

void TSmartItems::OnSubItemChosen(int item, QAction *subAction)
{
    const int subItem = int(SubItems(item).indexOf(subAction));
    MarkMenu();
    const Qt::MouseButton button = m_menuButton;
    // The parent menu reports the same trigger after this one: it keeps the button.
    if (item < 0 || subItem < 0)
        return;
    emit OnSmartSubItemsClickChange(this, button, m_userEvent.UserEvent(), item, Item(item)->text(), subItem,
                                    subAction->text());
}

void TSmartItems::HoverOver(int item)
{
    if (item == m_hoveredItem)
        return;
    if (QAbstractButton *previous = ItemButton(m_hoveredItem)) {
        previous->setFont(m_hoveredOwnFont);
        previous->unsetCursor();
    }
    m_hoveredItem = -1;
    QAbstractButton *button = ItemButton(item);
    if (!button || !button->isEnabled())
        return;
    m_hoveredItem = item;
    m_hoveredOwnFont = button->font();
    QFont bold = m_hoveredOwnFont;
    bold.setBold(true);
    button->setFont(bold);
    button->setCursor(Qt::PointingHandCursor);
}

bool TSmartItems::ForwardDragEvent(int item, QEvent *event)
{
    QAbstractButton *button = ItemButton(item);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        const QPoint at = button->mapTo(this, drag->position().toPoint());
        bool accept = false;
        emit OnDragOverChange(this, drag->source(), at.x(), at.y(),
                              event->type() == QEvent::DragEnter ? dsDragEnter : dsDragMove, accept);
        drag->setAccepted(accept);
        return true;
    }
    case QEvent::DragLeave: {
        bool accept = false;
        emit OnDragOverChange(this, nullptr, 0, 0, dsDragLeave, accept);
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QPoint at = button->mapTo(this, drop->position().toPoint());
        emit OnDragDropChange(this, drop->source(), at.x(), at.y());
        drop->acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}

bool TSmartItems::eventFilter(QObject *watched, QEvent *event)
{
    if (qobject_cast<QMenu *>(watched)) {
        // A key (Return) chooses as the primary button does.
        if (event->type() == QEvent::MouseButtonRelease)
            m_menuButton = static_cast<QMouseEvent *>(event)->button();
        else if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
            m_menuButton = Qt::LeftButton;
        return false;
    }
    if (watched == this) {
        // An item ignores a move without a button, which then reaches the
        // frame too: only a move over the frame itself ends the hover.
        const bool overFrame = event->type() == QEvent::Leave ||
                               (event->type() == QEvent::MouseMove &&
                                !m_buttons.contains(childAt(static_cast<QMouseEvent *>(event)->position().toPoint())));
        if (overFrame)
            HoverOver(-1);
        return false;
    }
    auto *button = qobject_cast<QAbstractButton *>(watched);
    const int item = int(m_buttons.indexOf(button));
    if (item < 0)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        HoverOver(item);
        break;
    case QEvent::Leave:
        HoverOver(-1);
        break;
    case QEvent::MouseButtonPress:
        if (m_style == _RadioButton && button->isEnabled())
            emit OnSmartItemsClickChange(this, static_cast<QMouseEvent *>(event)->button(), m_userEvent.UserEvent(),
                                         item, button->text());
        break;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_style == _CheckBox && button->isEnabled() && button->rect().contains(mouse->position().toPoint()))
            emit OnSmartItemsClickChange(this, mouse->button(), m_userEvent.UserEvent(), item, button->text());
        break;
    }
    default:
        return ForwardDragEvent(item, event);
    }
    return false;
}
