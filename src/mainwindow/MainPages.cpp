#include "MainPages.h"

#include <QLabel>
#include <QTabWidget>

TMainPage::TMainPage(const TMainContext &context, const QString &name, const QString &caption, QWidget *parent)
    : QWidget(parent), m_context(context), m_caption(caption)
{
    setObjectName(name);
    setFixedSize(Width, Height);
    auto *title = new QLabel(caption, this);
    title->setObjectName(QStringLiteral("Label_PageCaption"));
    title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 12pt;"));
    title->move(12, 12);
    title->adjustSize();
    m_placeholder = title;
}

QWidget *TMainPage::Host()
{
    delete m_placeholder;
    m_placeholder = nullptr;
    return this;
}

QVector<TMainPage *> CreateMainPages(const TMainContext &context, QTabWidget *pageControl)
{
    const std::pair<const char *, const char *> pages[] = {
        {"TabSheet_Input", "Input"},       {"TabSheet_Output", "Output"},
        {"TabSheet_Image", "Image Setting"}, {"TabSheet_Zoom", "Zoom/Shrink"},
        {"TabSheet_Logo", "Logos/Frame"},  {"TabSheet_Audio", "Audio"},
        {"TabSheet_Status", "Status"}};
    QVector<TMainPage *> created;
    for (const auto &[name, caption] : pages) {
        auto *page = new TMainPage(context, QString::fromLatin1(name), QString::fromLatin1(caption));
        pageControl->addTab(page, page->Caption());
        created << page;
    }
    return created;
}
