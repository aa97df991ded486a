#include "GalleryPages.h"

#include <QApplication>
#include <QTabWidget>

namespace {

struct TGalleryPage
{
    const char *title;
    QWidget *(*create)();
};

// Add a line here for each new group of controls.
const TGalleryPage Pages[] = {
    {"Selectors", CreateSelectorPage},
    {"Numeric", CreateNumericPage},
    {"Audio meters", CreateAudioMeterPage},
    {"Lists", CreateListPage},
    {"Framing", CreateFramingPage},
};

} // namespace

// Usage: controls-gallery [--grab DIR] - with --grab, writes one PNG per page
// into DIR and exits instead of showing the window.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTabWidget tabs;
    tabs.setWindowTitle(QStringLiteral("Morlix Remote controls"));
    for (const TGalleryPage &page : Pages)
        tabs.addTab(page.create(), QString::fromLatin1(page.title));
    tabs.resize(560, 420);

    const QStringList args = app.arguments();
    const qsizetype grab = args.indexOf(QStringLiteral("--grab"));
    if (grab >= 0 && grab + 1 < args.size()) {
        tabs.show();
        for (int i = 0; i < tabs.count(); ++i) {
            tabs.setCurrentIndex(i);
            app.processEvents();
            tabs.grab().save(QStringLiteral("%1/page%2.png").arg(args[grab + 1]).arg(i));
        }
        return 0;
    }
    tabs.show();
    return app.exec();
}
