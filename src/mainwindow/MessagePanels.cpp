#include "MessagePanels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TOperationPanel::TOperationPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_MSG"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_pictureLabel = new QLabel(this);
    m_caption = new QLabel(this);
    m_caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_small = new QLabel(this);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar_MSG"));
    m_progress->setTextVisible(false);
    auto *text = new QVBoxLayout;
    text->addWidget(m_caption);
    text->addWidget(m_progress);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_pictureLabel);
    layout->addLayout(text, 1);
    layout->addWidget(m_small);
    hide();
}

void TOperationPanel::ShowOperation(TPicture picture, const QString &smallText)
{
    static const QStyle::StandardPixmap pictures[] = {QStyle::SP_BrowserReload, QStyle::SP_MediaPause,
                                                      QStyle::SP_DialogSaveButton};
    m_picture = picture;
    m_pictureLabel->setPixmap(m_pictures.Picture(pictures[picture]));
    m_small->setText(smallText);
    show();
    raise();
}

void TOperationPanel::SetCaption(const QString &caption)
{
    m_caption->setText(caption);
}

QString TOperationPanel::Caption() const
{
    return m_caption->text();
}

QString TOperationPanel::SmallText() const
{
    return m_small->text();
}

TUpdatePanel::TUpdatePanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_Update"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_text = new QLabel(this);
    m_text->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    connect(ok, &QPushButton::clicked, this, &TUpdatePanel::PressOk);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(ok);
    hide();
}

void TUpdatePanel::ShowNotice(const QString &text)
{
    m_text->setText(text);
    show();
    raise();
}

QString TUpdatePanel::Notice() const
{
    return m_text->text();
}
