#include "FormProgress.h"

#include <QFormLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QProgressBar *PercentBar(const QString &name, QWidget *parent)
{
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setFormat(QStringLiteral("%p%"));
    bar->setMinimumWidth(300);
    return bar;
}

} // namespace

TLogoFormProgress::TLogoFormProgress(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("LogoFormProgress"));
    setWindowTitle(QStringLiteral("Transfer in progress ..."));
    setWindowModality(Qt::ApplicationModal);
    m_write = PercentBar(QStringLiteral("ProgressBar_Write"), this);
    m_erase = PercentBar(QStringLiteral("ProgressBar_Erase"), this);
    m_abort = new QPushButton(QStringLiteral("Abort"), this);
    m_abort->setObjectName(QStringLiteral("Button_Abort"));
    connect(m_abort, &QPushButton::clicked, this, [this] { m_aborted = true; });

    auto *bars = new QFormLayout;
    bars->addRow(QStringLiteral("Write"), m_write);
    bars->addRow(QStringLiteral("Erase"), m_erase);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bars);
    layout->addWidget(m_abort, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}

void TLogoFormProgress::SetWriteProgress(int percent)
{
    m_write->setValue(std::clamp(percent, 0, 100));
}

void TLogoFormProgress::SetEraseProgress(int percent)
{
    m_erase->setValue(std::clamp(percent, 0, 100));
}

int TLogoFormProgress::WriteProgress() const
{
    return m_write->value();
}

int TLogoFormProgress::EraseProgress() const
{
    return m_erase->value();
}

bool TLogoFormProgress::TakeAborted()
{
    const bool aborted = m_aborted;
    m_aborted = false;
    return aborted;
}

void TLogoFormProgress::reject()
{
    m_aborted = true;
}
