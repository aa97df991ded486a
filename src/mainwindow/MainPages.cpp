#include "MainPages.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

TMainPage::TMainPage(const TMainContext &context, const QString &name, const QString &caption, QWidget *parent)
    : QWidget(parent), m_context(context), m_caption(caption)
{
    setObjectName(name);
    setFixedSize(Width, Height);
}

namespace {

// A page whose controls are not there yet: its caption only.
class TCaptionPage : public TMainPage
{
public:
    TCaptionPage(const TMainContext &context, const QString &name, const QString &caption)
        : TMainPage(context, name, caption)
    {
        auto *title = new QLabel(caption, this);
        title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 12pt;"));
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(title);
        layout->addStretch();
    }
};

} // namespace

QVector<TMainPage *> CreateMainPages(const TMainContext &context, QTabWidget *pageControl)
{
    const std::pair<const char *, const char *> pages[] = {
        {"TabSheet_Input", "Input"},       {"TabSheet_Output", "Output"},
        {"TabSheet_Image", "Image Setting"}, {"TabSheet_Zoom", "Zoom/Shrink"},
        {"TabSheet_Logo", "Logos/Frame"},  {"TabSheet_Audio", "Audio"},
        {"TabSheet_Status", "Status"}};
    QVector<TMainPage *> created;
    for (const auto &[name, caption] : pages) {
        auto *page = new TCaptionPage(context, QString::fromLatin1(name), QString::fromLatin1(caption));
        pageControl->addTab(page, page->Caption());
        created << page;
    }
    return created;
}
