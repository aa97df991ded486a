#include "PendingWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TPendingWindow::TPendingWindow(const QString &title, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("%1 is not available in this version.").arg(title), this));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
