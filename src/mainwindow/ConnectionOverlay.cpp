#include "ConnectionOverlay.h"

#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QVBoxLayout>

TConnectionOverlay::TConnectionOverlay(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_Connection"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setCursor(Qt::WaitCursor);
    setToolTip(QStringLiteral("PLEASE WAIT"));
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Picture_Connection"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("Label_Connection"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setStyleSheet(QStringLiteral("color: red; font-weight: bold; font-size: 14pt;"));
    m_resendBar = new QProgressBar(this);
    m_resendBar->setObjectName(QStringLiteral("ProgressBar_Resend"));
    m_resendBar->setFormat(QStringLiteral("%v of %m values"));
    m_resendBar->setAlignment(Qt::AlignCenter);
    m_resendBar->hide();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 8, 24, 8);
    layout->addStretch();
    layout->addWidget(m_picture);
    layout->addWidget(m_caption);
    layout->addWidget(m_resendBar);
    layout->addStretch();
    SetCaption(QStringLiteral("Device not connected"));
    ShowWithPicture(false);
}

void TConnectionOverlay::SetCaption(const QString &caption)
{
    m_caption->setText(caption);
}

QString TConnectionOverlay::Caption() const
{
    return m_caption->text();
}

void TConnectionOverlay::SetResendProgress(int received, int expected)
{
    m_resendBar->setRange(0, expected);
    m_resendBar->setValue(received);
    m_resendBar->show();
}

void TConnectionOverlay::ShowWithPicture(bool connected)
{
    m_connectedPicture = connected;
    // A resend runs only while the device is there.
    if (!connected)
        m_resendBar->hide();
    const auto picture = connected ? QStyle::SP_DriveNetIcon : QStyle::SP_MessageBoxCritical;
    m_picture->setPixmap(m_pictures.Picture(picture));
    show();
    raise();
}
