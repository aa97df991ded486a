#pragma once
#include "OwnerDriven.h"

#include <QGroupBox>
#include <QMenu>
#include <QPointer>
#include <QHash>
#include <QSet>

class QAbstractButton;
class QAction;
class QToolButton;
class TSlidingCaption;

// The selector for a variable that takes one of a few named values. The items
// come from a popup menu (assigned, or built from a list of texts) and show as
// check boxes, radio buttons or a read-only field with a drop-down menu. The
// operator's choice is only reported; the selection shown changes when the
// owner writes ItemIndex.
class TSmartItems : public QGroupBox
{
    Q_OBJECT
public:
    enum TType { _CheckBox, _RadioButton, _ComboBox };
    Q_ENUM(TType)
    enum TLeftRight { taLeftJustify, taRightJustify };
    Q_ENUM(TLeftRight)
    enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
    Q_ENUM(TDragState)

    explicit TSmartItems(QWidget *parent = nullptr, int slideIntervalMs = 100);

    QString Caption() const { return title(); }
    void SetCaption(const QString &caption) { setTitle(caption); }

    TType StyleType() const { return m_style; }
    void SetStyleType(TType style);

    QMenu *PutMenuPopupMenu() const { return m_menu; }
    void SetPutMenuPopupMenu(QMenu *menu);

    int ItemIndex() const;
    void SetItemIndex(int index);
    int SUBItemIndex() const { return m_subItemIndex; }
    void SetSUBItemIndex(int subIndex);

    bool AllEnabled() const { return m_allEnabled; }
    void SetAllEnabled(bool enabled);
    bool IncludeSubGroupIndex() const { return m_includeSubGroupIndex; }
    void SetIncludeSubGroupIndex(bool include) { m_includeSubGroupIndex = include; }
    TLeftRight Alignment() const { return m_alignment; }
    void SetAlignment(TLeftRight alignment);
    bool EcartSpecial() const { return m_ecartSpecial; }
    void SetEcartSpecial(bool special);
    int8_t ConteurBoucleSlide() const { return m_slideCycles; }
    void SetConteurBoucleSlide(int8_t cycles);

    void SetItems(const QStringList &texts);
    void SetSubItems(int item, const QStringList &texts);
    int ItemCount() const;
    void SetItemCaption(int item, const QString &caption);
    QString GetItemCaption(int item) const;
    void SetItemEnabled(int item, bool enabled);
    void SetItemVisible(int item, bool visible);
    void SetItemHints(const QStringList &hints);
    // Check and radio styles only: lets the owner make an entry bold.
    QFont ItemFont(int item) const;
    void SetItemFont(int item, const QFont &font);

    // The inner controls, for the owner's layout and for tests.
    QAbstractButton *ItemButton(int item) const;
    TSlidingCaption *ListField() const { return m_field; }
    QToolButton *DropButton() const { return m_dropButton; }

signals:
    void OnSmartItemsClickChange(TSmartItems *Sender, Qt::MouseButton Button, bool UserEvent, int ItemIndex,
                                 const QString &ItemString);
    void OnSmartSubItemsClickChange(TSmartItems *Sender, Qt::MouseButton Button, bool UserEvent, int ItemIndex,
                                    const QString &ItemString, int SUBItemIndex, const QString &SUBItemString);
    void OnDragDropChange(TSmartItems *Sender, QObject *Source, int X, int Y);
    void OnDragOverChange(TSmartItems *Sender, QObject *Source, int X, int Y, TDragState State, bool &Accept);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<QAction *> Items() const;
    QAction *Item(int item) const;
    QList<QAction *> SubItems(int item) const;
    QString FieldTextFor(int item) const;

    void AdoptMenu();
    void ConnectSubMenu(QAction *action);
    void RebuildItemControls();
    void ApplyEnabled();
    void PlaceItems();
    void ShowWrittenIndex();
    void MarkMenu();
    void OpenMenu();
    void WatchMenu(QMenu *menu);
    void OnMenuItemChosen(QAction *action);
    void OnSubMenuOpening(int item);
    void OnSubItemChosen(int item, QAction *subAction);
    void HoverOver(int item);
    bool ForwardDragEvent(int item, QEvent *event);

    TUserEventFlag m_userEvent;
    TType m_style = _RadioButton;
    QPointer<QMenu> m_menu;
    QMenu *m_ownMenu = nullptr;
    QList<QAbstractButton *> m_buttons;
    TSlidingCaption *m_field = nullptr;
    QToolButton *m_dropButton = nullptr;
    QSet<int> m_enabledItems;
    int m_writtenIndex = -1;
    int m_subItemIndex = -1;
    QHash<int, int> m_lastSubMarks;
    bool m_allEnabled = true;
    bool m_includeSubGroupIndex = true;
    TLeftRight m_alignment = taRightJustify;
    bool m_ecartSpecial = false;
    int8_t m_slideCycles = 1;
    int m_hoveredItem = -1;
    // The button that released over the item menus: Qt triggers a menu item
    // on any button, and the owner must tell a secondary click apart.
    Qt::MouseButton m_menuButton = Qt::LeftButton;
    QFont m_hoveredOwnFont;
};
