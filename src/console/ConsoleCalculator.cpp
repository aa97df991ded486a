#include "ConsoleCalculator.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

using namespace ConsoleNumbers;

TConsoleCalculator::TConsoleCalculator(QWidget *parent) : QGroupBox(QStringLiteral("Calculatrice"), parent)
{
    setObjectName(QStringLiteral("GroupBox_Calculatrice"));
    auto *layout = new QFormLayout(this);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const char *const labels[] = {"Déc:", "Bin:", "Hex:"};
    for (const TRow row : {DecimalRow, BinaryRow, HexadecimalRow}) {
        auto *edit = new QLineEdit(this);
        edit->setFont(fixed);
        edit->setText(QStringLiteral("0"));
        connect(edit, &QLineEdit::textEdited, this, [this, row] { Edited(row); });
        m_rows[row] = edit;
        layout->addRow(QString::fromUtf8(labels[row]), edit);
    }
    auto *hide = new QToolButton(this);
    hide->setText(QStringLiteral("Fermer"));
    connect(hide, &QToolButton::clicked, this, &QWidget::hide);
    layout->addRow(QString(), hide);
}

void TConsoleCalculator::SetValue(quint32 value)
{
    Show(RowsFor(value), DecimalRow);
}

void TConsoleCalculator::Edited(TRow row)
{
    Show(Edit(row, m_rows[row]->text()), row);
}

void TConsoleCalculator::Show(const TRows &rows, TRow edited)
{
    TRows shown = rows;
    for (const TRow row : {DecimalRow, BinaryRow, HexadecimalRow}) {
        QLineEdit *edit = m_rows[row];
        if (edit->text() == shown[row])
            continue;
        const QSignalBlocker quiet(edit);
        // The edited row loses at most a leading character: keep the caret
        // where the technician types.
        const int caret = edit->cursorPosition() - (edit->text().size() - shown[row].size());
        edit->setText(shown[row]);
        if (row == edited)
            edit->setCursorPosition(qMax(0, caret));
    }
}
