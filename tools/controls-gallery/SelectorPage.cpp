#include "GalleryPages.h"

#include "controls/SmartItems.h"

#include <QGridLayout>
#include <QLabel>

namespace {

// In the gallery the device answers at once: every choice is written back.
void EchoChoices(TSmartItems *selector, QLabel *log)
{
    QObject::connect(selector, &TSmartItems::OnSmartItemsClickChange,
                     [selector, log](TSmartItems *, Qt::MouseButton, bool, int index, const QString &text) {
                         log->setText(QStringLiteral("chosen %1: %2").arg(index).arg(text));
                         selector->SetItemIndex(index);
                     });
    QObject::connect(selector, &TSmartItems::OnSmartSubItemsClickChange,
                     [selector, log](TSmartItems *, Qt::MouseButton, bool, int index, const QString &,
                                     int subIndex, const QString &subText) {
                         log->setText(QStringLiteral("sub-item %1: %2").arg(subIndex).arg(subText));
                         selector->SetSUBItemIndex(subIndex);
                         selector->SetItemIndex(index);
                     });
}

TSmartItems *MakeSelector(const QString &caption, TSmartItems::TType style, const QStringList &items, int shown)
{
    auto *selector = new TSmartItems;
    selector->SetCaption(caption);
    selector->SetItems(items);
    selector->SetStyleType(style);
    selector->SetItemIndex(shown);
    return selector;
}

} // namespace

QWidget *CreateSelectorPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    auto *log = new QLabel(QStringLiteral("Click an item: the gallery writes it back as the device would."));

    auto *radio = MakeSelector(QStringLiteral("Input type"), TSmartItems::_RadioButton,
                               {QStringLiteral("&Computer"), QStringLiteral("&Video"), QStringLiteral("&DVI"),
                                QStringLiteral("&SDI")},
                               2);
    radio->SetItemEnabled(3, false);
    auto *check = MakeSelector(QStringLiteral("Freeze"), TSmartItems::_CheckBox, {QStringLiteral("Enabled")}, 0);
    auto *list = MakeSelector(QStringLiteral("Output format"), TSmartItems::_ComboBox,
                              {QStringLiteral("VGA"), QStringLiteral("XGA"),
                               QStringLiteral("1920x1080 progressive, reduced blanking"), QStringLiteral("Custom")},
                              1);
    list->SetSubItems(3, {QStringLiteral("50 Hz"), QStringLiteral("60 Hz")});

    grid->addWidget(radio, 0, 0, 2, 1);
    grid->addWidget(check, 0, 1);
    grid->addWidget(list, 1, 1);
    grid->addWidget(log, 2, 0, 1, 2);
    for (TSmartItems *selector : {radio, check, list}) {
        selector->setMinimumSize(200, 70);
        EchoChoices(selector, log);
    }
    radio->setMinimumHeight(140);
    return page;
}
