#include "ConsoleFilePanel.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

namespace {
QToolButton *MakeButton(QWidget *parent, const QString &name, const QString &text, QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setMinimumWidth(72);
    return button;
}
} // namespace

TConsoleFilePanel::TConsoleFilePanel(int intervalMs, QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Panel_EnvoiFichier"));
    // "5.5 Second": the interval between two lines, as the panel has always read.
    setWindowTitle(QString::number(intervalMs / 1000.0, 'g', 3) + QStringLiteral(" Second"));
    m_file = new QLabel(this);
    m_direct = MakeButton(this, QStringLiteral("Button_EnvoiDirect"), QStringLiteral("Envoi direct"),
                          QStyle::SP_MediaSeekForward);
    m_play = MakeButton(this, QStringLiteral("Button_Lecture"), QStringLiteral("Lecture"), QStyle::SP_MediaPlay);
    m_pause = MakeButton(this, QStringLiteral("Button_Pause"), QStringLiteral("Pause"), QStyle::SP_MediaPause);
    m_pause->setCheckable(true);
    m_stop = MakeButton(this, QStringLiteral("Button_Stop"), QStringLiteral("Stop"), QStyle::SP_MediaStop);
    auto *interval = new QLabel(windowTitle(), this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_file, 0, 0, 1, 4);
    grid->addWidget(m_direct, 1, 0);
    grid->addWidget(m_play, 1, 1);
    grid->addWidget(m_pause, 1, 2);
    grid->addWidget(m_stop, 1, 3);
    grid->addWidget(interval, 2, 0, 1, 4);

    connect(m_direct, &QToolButton::clicked, this, &TConsoleFilePanel::DirectRequested);
    connect(m_play, &QToolButton::clicked, this, &TConsoleFilePanel::PlayRequested);
    connect(m_pause, &QToolButton::toggled, this, &TConsoleFilePanel::PauseToggled);
    connect(m_stop, &QToolButton::clicked, this, &TConsoleFilePanel::StopRequested);
    ShowReady(QString());
}

void TConsoleFilePanel::Enable(bool direct, bool play, bool pause, bool stop)
{
    m_direct->setEnabled(direct);
    m_play->setEnabled(play);
    m_pause->setEnabled(pause);
    m_stop->setEnabled(stop);
}

void TConsoleFilePanel::ShowReady(const QString &fileName)
{
    if (!fileName.isEmpty())
        m_file->setText(QFileInfo(fileName).fileName());
    const QSignalBlocker quiet(m_pause);
    m_pause->setChecked(false);
    Enable(true, true, false, false);
}

void TConsoleFilePanel::ShowPlaying()
{
    const QSignalBlocker quiet(m_pause);
    m_pause->setChecked(false);
    Enable(false, false, true, true);
}

void TConsoleFilePanel::ShowBusy()
{
    Enable(false, false, false, false);
}
