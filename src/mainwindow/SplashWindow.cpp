#include "SplashWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QVBoxLayout>

TForm_PageAccueil::TForm_PageAccueil(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form_PageAccueil"));
    setWindowTitle(QStringLiteral("Corvane"));
    auto *title = new QLabel(QStringLiteral("Corvane"), this);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold;"));
    auto *picture = new QLabel(this);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64));
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, Steps);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(picture);
    layout->addWidget(m_bar);
    resize(320, 180);
}

void TForm_PageAccueil::Step()
{
    m_bar->setValue(qMin(Steps, m_bar->value() + 1));
    // The event loop is not running yet: paint the step now.
    if (isVisible())
        repaint();
}

void TForm_PageAccueil::Finish()
{
    m_bar->setValue(Steps);
}

int TForm_PageAccueil::Position() const
{
    return m_bar->value();
}
