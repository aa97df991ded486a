#include "OperatorPrompt.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>

namespace {

class TMessageBoxPrompt : public TOperatorPrompt
{
public:
    QMessageBox::StandardButton Show(QWidget *parent, TKind kind, const QString &text,
                                     QMessageBox::StandardButtons buttons) override
    {
        const QString title = QApplication::applicationName();
        switch (kind) {
        case Warning:
            return QMessageBox::warning(parent, title, text, buttons);
        case Error:
            return QMessageBox::critical(parent, title, text, buttons);
        case Question:
            return QMessageBox::question(parent, title, text, buttons);
        case Information:
            break;
        }
        return QMessageBox::information(parent, title, text, buttons);
    }
};

TMessageBoxPrompt g_messageBoxes;
TOperatorPrompt *g_installed = nullptr;

} // namespace

std::optional<QString> TOperatorPrompt::AskText(QWidget *parent, const QString &title, const QString &label,
                                                const QString &text, QValidator *validator)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    if (validator)
        if (auto *edit = dialog.findChild<QLineEdit *>())
            edit->setValidator(validator);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

TOperatorPrompt &TOperatorPrompt::Instance()
{
    return g_installed ? *g_installed : g_messageBoxes;
}

void TOperatorPrompt::Install(TOperatorPrompt *prompt)
{
    g_installed = prompt;
}

void TOperatorPrompt::Inform(QWidget *parent, const QString &text, TKind kind)
{
    Instance().Show(parent, kind, text, QMessageBox::Ok);
}

bool TOperatorPrompt::ConfirmOkCancel(QWidget *parent, const QString &text)
{
    return Instance().Show(parent, Warning, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool TOperatorPrompt::ConfirmYesNo(QWidget *parent, const QString &text)
{
    return Instance().Show(parent, Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
