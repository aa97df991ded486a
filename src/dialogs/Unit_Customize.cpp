#include "Unit_Customize.h"

#include "OperatorPrompt.h"
#include "StoredTextValidator.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int InputRows = 8;
constexpr int AudioRows = 8;
constexpr int FrameRows = 4;
constexpr int LogoRows = 8;
constexpr int OutputRows = 2;
constexpr int FirstFrameRow = 8;
constexpr int FirstAudioRow = 20;

// Name cells take only what the settings file can hold, and store each
// keystroke at once.
class TNameDelegate : public QStyledItemDelegate
{
public:
    TNameDelegate(QObject *parent, std::function<void(int row, const QString &)> edited)
        : QStyledItemDelegate(parent), m_edited(std::move(edited))
    {
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setValidator(new TStoredTextValidator(editor));
        const int row = index.row();
        QObject::connect(editor, &QLineEdit::textEdited, editor, [this, row](const QString &text) { m_edited(row, text); });
        return editor;
    }

private:
    std::function<void(int, const QString &)> m_edited;
};

} // namespace

// A grid of labels and names with one row outlined in red.
class TCustomizeGrid : public QTableWidget
{
public:
    TCustomizeGrid(int rows, QWidget *parent) : QTableWidget(rows, 2, parent)
    {
        horizontalHeader()->hide();
        verticalHeader()->hide();
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
        horizontalHeader()->setStretchLastSection(true);
        setColumnWidth(0, 110);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setEditTriggers(QAbstractItemView::AllEditTriggers);
        for (int row = 0; row < rows; ++row) {
            auto *label = new QTableWidgetItem;
            label->setFlags(Qt::ItemIsEnabled);
            label->setBackground(palette().button());
            setItem(row, 0, label);
            setItem(row, 1, new QTableWidgetItem);
        }
        setMinimumHeight(verticalHeader()->defaultSectionSize() * 2);
    }
    QSize sizeHint() const override
    {
        return QSize(280, rowCount() * verticalHeader()->defaultSectionSize() + 2 * frameWidth());
    }
    void SetOutlinedRow(int row)
    {
        m_outlined = row;
        if (row >= 0)
            scrollToItem(item(row, 1));
        viewport()->update();
    }
    int OutlinedRow() const { return m_outlined; }
    // Closes an open cell editor, keeping what it holds, so that a revert
    // that follows is not undone when the editor closes later.
    void FinishEditing()
    {
        if (state() != EditingState)
            return;
        if (QWidget *editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QTableWidget::paintEvent(event);
        if (m_outlined < 0 || m_outlined >= rowCount())
            return;
        const QRect cells = visualRect(model()->index(m_outlined, 0)).united(visualRect(model()->index(m_outlined, 1)));
        QPainter painter(viewport());
        painter.setPen(QPen(Qt::red, 1));
        painter.drawRect(cells.adjusted(0, -1, -1, 0));
    }

private:
    int m_outlined = -1;
};

TForm_Customize::TForm_Customize(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_Customize"));
    setWindowTitle(QStringLiteral("Customize"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);

    const char *const inputLabels[] = {"Input 1", "Input 2", "Input 3", "Aux", "...", "...", "...", "..."};
    const char *const audioLabels[] = {"Analog A", "Analog B", "Analog C", "Analog D",
                                       "SPDIF",    "Embedded SDI", "...", "..."};
    for (int i = 0; i < InputRows; ++i)
        m_names[InputGroup].Labels[size_t(i + 1)] = QString::fromLatin1(inputLabels[i]);
    for (int i = 0; i < AudioRows; ++i)
        m_names[AudioGroup].Labels[size_t(i + 1)] = QString::fromLatin1(audioLabels[i]);
    for (int i = 1; i <= 4; ++i)
        m_names[InputGroup].Current[size_t(i)] = m_names[InputGroup].Labels[size_t(i)];
    for (int i = 1; i <= 6; ++i)
        m_names[AudioGroup].Current[size_t(i)] = m_names[AudioGroup].Labels[size_t(i)];

    auto *groups = new QVBoxLayout;
    auto *buttons = new QVBoxLayout;
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addLayout(buttons);
    BuildGroup(InputGroup, QStringLiteral("Input"), InputRows);
    BuildGroup(AudioGroup, QStringLiteral("Audio"), AudioRows);
    BuildGroup(FrameGroup, QStringLiteral("Frame"), FrameRows);
    BuildGroup(LogoGroup, QStringLiteral("Logo"), LogoRows);
    BuildGroup(OutputGroup, QStringLiteral("Output"), OutputRows);
    for (QGroupBox *box : m_boxes)
        groups->addWidget(box);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button_OK"));
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("Button_Close"));
    buttons->addWidget(m_ok);
    buttons->addWidget(m_close);
    buttons->addStretch();
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_commit = true;
        close();
    });
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    for (int group = 0; group < GroupCount; ++group)
        m_names[size_t(group)].Saved = m_names[size_t(group)].Current;
    RedisplayAll();
    SelectRow(-1);
}

TForm_Customize::~TForm_Customize() = default;

void TForm_Customize::BuildGroup(TGroup group, const QString &title, int rows)
{
    auto *box = new QGroupBox(title, this);
    box->setObjectName(QStringLiteral("GroupBox_") + title);
    auto *grid = new TCustomizeGrid(rows, box);
    grid->setObjectName(QStringLiteral("StringGrid_") + title);
    grid->setItemDelegateForColumn(1, new TNameDelegate(grid, [this, group](int row, const QString &text) {
                                       CellEdited(group, row, text);
                                   }));
    connect(grid, &QTableWidget::itemChanged, this, [this, group](QTableWidgetItem *item) {
        if (item->column() == 1)
            CellEdited(group, item->row(), item->text());
    });
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(grid);
    m_boxes[size_t(group)] = box;
    m_grids[size_t(group)] = grid;
}

QTableWidget *TForm_Customize::Grid(TGroup group) const
{
    return m_grids[size_t(group)];
}

QGroupBox *TForm_Customize::GroupBox(TGroup group) const
{
    return m_boxes[size_t(group)];
}

int TForm_Customize::OutlinedRow(TGroup group) const
{
    return m_grids[size_t(group)]->OutlinedRow();
}

void TForm_Customize::SelectRow(int row)
{
    m_selectedRow = row;
    TGroup shown = OutputGroup;
    int height = 0;
    int gridRow = -1;
    if (row >= 0 && row < InputRows) {
        shown = InputGroup, height = 142, gridRow = row;
    } else if (row >= FirstFrameRow && row < FirstFrameRow + FrameRows) {
        shown = FrameGroup, height = 140, gridRow = row - FirstFrameRow;
    } else if (row >= FirstAudioRow && row < FirstAudioRow + AudioRows) {
        shown = AudioGroup, height = 208, gridRow = row - FirstAudioRow;
    }
    for (int group = 0; group < GroupCount; ++group) {
        const bool visible = height > 0 ? group == shown : group == InputGroup || group == AudioGroup;
        m_boxes[size_t(group)]->setVisible(visible);
        m_grids[size_t(group)]->SetOutlinedRow(group == shown ? gridRow : -1);
    }
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->activate();
    const QSize natural = sizeHint();
    setFixedSize(natural.width(), height > 0 ? height : natural.height());
}

QString TForm_Customize::Current(TGroup group, int entry) const
{
    return entry >= 0 && entry < EntryCount ? m_names[size_t(group)].Current[size_t(entry)] : QString();
}

QString TForm_Customize::SavedName(TGroup group, int entry) const
{
    return entry >= 0 && entry < EntryCount ? m_names[size_t(group)].Saved[size_t(entry)] : QString();
}

void TForm_Customize::SetLabel(TGroup group, int entry, const QString &text)
{
    if (entry < 0 || entry >= EntryCount)
        return;
    m_names[size_t(group)].Labels[size_t(entry)] = text;
    Redisplay(group);
}

void TForm_Customize::SetName(TGroup group, int entry, const QString &text)
{
    if (entry < 0 || entry >= EntryCount)
        return;
    TNames &names = m_names[size_t(group)];
    names.Current[size_t(entry)] = text;
    names.Saved = names.Current;
    Redisplay(group);
}

void TForm_Customize::CellEdited(TGroup group, int row, const QString &text)
{
    if (m_redisplaying || !TStoredTextValidator::Storable(text))
        return;
    m_names[size_t(group)].Current[size_t(row + 1)] = text;
}

void TForm_Customize::Redisplay(TGroup group)
{
    m_redisplaying = true;
    QTableWidget *grid = m_grids[size_t(group)];
    const TNames &names = m_names[size_t(group)];
    for (int row = 0; row < grid->rowCount(); ++row) {
        grid->item(row, 0)->setText(names.Labels[size_t(row + 1)]);
        grid->item(row, 1)->setText(names.Current[size_t(row + 1)]);
    }
    m_redisplaying = false;
}

void TForm_Customize::RedisplayAll()
{
    for (int group = 0; group < GroupCount; ++group)
        Redisplay(TGroup(group));
}

void TForm_Customize::CommitAll()
{
    for (TNames &names : m_names)
        names.Saved = names.Current;
}

void TForm_Customize::RevertAll()
{
    for (TNames &names : m_names)
        names.Current = names.Saved;
    RedisplayAll();
}

void TForm_Customize::closeEvent(QCloseEvent *event)
{
    // An editor still open holds the last keystrokes: they are stored already.
    for (TCustomizeGrid *grid : m_grids)
        grid->FinishEditing();
    if (m_commit) {
        m_commit = false;
        CommitAll();
        event->accept();
        return;
    }
    const auto answer = TOperatorPrompt::Instance().Show(this, TOperatorPrompt::Question,
                                                         QStringLiteral("Do you want to save the changes ?"),
                                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) {
        CommitAll();
        event->accept();
    } else if (answer == QMessageBox::No) {
        RevertAll();
        event->accept();
    } else {
        RevertAll();
        event->ignore();
    }
}

void TForm_Customize::reject()
{
    // Escape asks like the window's own close button.
    close();
}

void TForm_Customize::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        emit Hidden();
}
