#pragma once
#include <QColor>
#include <QWidget>

// Picks a left and a right entry of one list at once. Collapsed, it shows
// only the chosen rows; a press expands it to every visible row, and a press
// on a row's left or right cell then reports that entry and collapses it.
// The chosen rows change when the owner writes ItemIndex_Left or _Right.
class TDoubleItems : public QWidget
{
    Q_OBJECT
public:
    enum TPart { partNone, partLeft, partCenter, partRight };

    static constexpr int RowHeight = 17;
    static constexpr int CellWidth = 18;

    explicit TDoubleItems(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    int ItemIndex_Left() const { return m_left; }
    void SetItemIndex_Left(int index);
    int ItemIndex_Right() const { return m_right; }
    void SetItemIndex_Right(int index);
    bool VisibledOnlyChecked() const { return m_collapsed; }
    void SetVisibledOnlyChecked(bool collapsed);
    QColor TitleColor() const { return m_titleColor; }
    void SetTitleColor(const QColor &colour);
    QColor RectangleColor() const { return m_rectangleColor; }
    void SetRectangleColor(const QColor &colour);
    QColor Color() const { return m_color; }
    void SetColor(const QColor &colour);

    void SetItems(const QStringList &captions);
    int ItemCount() const { return int(m_entries.size()); }
    QString ItemCaption(int index) const;
    void SetItemVisible(int index, bool visible);
    void SetItemEnabled(int index, bool enabled);

    // The entry shown at a row, -1 for the title or below the last row.
    int EntryAtRow(int row) const;
    QList<int> ShownEntries() const;
    QRect CellRect(int row, TPart part) const;

    QSize sizeHint() const override;

signals:
    void OnSelectedItemLeftChange(int ValSelectedItemLeft, TDoubleItems *Sender);
    void OnSelectedItemRightChange(int ValSelectedItemRight, TDoubleItems *Sender);
    void OnMouseMoveItemLeftEvent(int Index, TDoubleItems *Sender);
    void OnMouseMoveItemRightEvent(int Index, TDoubleItems *Sender);
    void OnMouseMoveItemCenterEvent(int Index, TDoubleItems *Sender);
    void OnMouseMoveItemAllEvent(int Index, TDoubleItems *Sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    struct TEntry
    {
        QString caption;
        bool visible = true;
        bool enabled = true;
    };

    TPart PartAt(int x) const;
    void FitHeight();

    QString m_caption;
    QList<TEntry> m_entries;
    int m_left = -1;
    int m_right = -1;
    bool m_collapsed = true;
    QColor m_titleColor{Qt::darkBlue};
    QColor m_rectangleColor{Qt::darkGray};
    QColor m_color{Qt::white};
    int m_hoverRow = -1;
    TPart m_hoverPart = partNone;
};
