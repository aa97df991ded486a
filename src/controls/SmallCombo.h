#pragma once
#include <QMenu>
#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

// A compact drop-down selector: a read-only field and a small arrow button.
// The entries come from its own list of texts or from an attached popup
// menu; each entry can be hidden or disabled.
class TSmallCombo : public QWidget
{
    Q_OBJECT
public:
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    explicit TSmallCombo(QWidget *parent = nullptr);

    QString Text() const;
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    QMenu *PopUpMenu() const { return m_popUpMenu; }
    void SetPopUpMenu(QMenu *menu);
    bool DroppedDown() const;
    void SetDroppedDown(bool dropped);
    TBorderStyle BorderStyle() const;
    void SetBorderStyle(TBorderStyle style);
    QColor Color() const;
    void SetColor(const QColor &colour);

    QStringList Items() const { return m_items; }
    void SetItems(const QStringList &items);
    void AddItem(const QString &item);
    int ItemCount() const;
    void SetItemEnabled(int position, bool enabled);
    void SetItemVisible(int position, bool visible);

    // The menu the entries are offered in while dropped down.
    QMenu *EntryMenu() const;

    QSize sizeHint() const override { return {145, 21}; }

signals:
    void OnChange(TSmallCombo *Sender);
    void OnClick(TSmallCombo *Sender);
    void OnDropDown(TSmallCombo *Sender);
    void OnMouseMoveChange(TSmallCombo *Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnEnter(TSmallCombo *Sender);
    void OnExit(TSmallCombo *Sender);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString EntryCaption(int index) const;
    void GrowFlags(int count);
    void PrepareEntries(QMenu *menu);
    void OnEntryChosen(QAction *action);

    QLineEdit *m_field;
    QToolButton *m_arrow;
    QMenu *m_ownMenu;
    QPointer<QMenu> m_popUpMenu;
    QStringList m_items;
    QList<bool> m_visible;
    QList<bool> m_enabled;
    int m_itemIndex = -1;
};
