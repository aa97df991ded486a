#include "GalleryPages.h"

#include "controls/DoubleItems.h"
#include "controls/SmallCombo.h"

#include <QLabel>

QWidget *CreateListPage()
{
    auto *page = new QWidget;
    auto *channels = new TDoubleItems(page);
    channels->setGeometry(10, 10, 200, 0);
    channels->SetCaption(QStringLiteral("Left    Audio input    Right"));
    QStringList groups;
    for (int channel = 1; channel <= 16; ++channel)
        groups << QStringLiteral("Group %1 - Ch %2").arg((channel + 3) / 4).arg(channel).leftJustified(15);
    channels->SetItems(groups);
    channels->SetItemIndex_Left(0);
    channels->SetItemIndex_Right(1);
    // The device answers at once in the gallery.
    QObject::connect(channels, &TDoubleItems::OnSelectedItemLeftChange,
                     [](int index, TDoubleItems *sender) { sender->SetItemIndex_Left(index); });
    QObject::connect(channels, &TDoubleItems::OnSelectedItemRightChange,
                     [](int index, TDoubleItems *sender) { sender->SetItemIndex_Right(index); });

    auto *label = new QLabel(QStringLiteral("EDID source:"), page);
    label->move(240, 14);
    auto *combo = new TSmallCombo(page);
    combo->move(330, 10);
    combo->SetItems({QStringLiteral("Internal"), QStringLiteral("Monitor"), QStringLiteral("Custom file")});
    combo->SetItemEnabled(2, false);
    combo->SetItemIndex(0);
    return page;
}
