#include "GalleryPages.h"

#include "controls/AudioBalance.h"
#include "controls/AudioLevel.h"

#include <QVBoxLayout>

namespace {

void Place(QVBoxLayout *column, TAudioMeter *meter, const QString &caption, int position)
{
    meter->SetCaption(caption);
    meter->SetPosition(position);
    // The device answers at once in the gallery.
    QObject::connect(meter, &TAudioMeter::OnPositionEvent,
                     [](TAudioMeter *sender, int32_t value) { sender->SetPosition(value); });
    column->addWidget(meter);
}

} // namespace

QWidget *CreateAudioMeterPage()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    Place(column, new TAudioLevel, QStringLiteral("Master volume"), 70);
    auto *green = new TAudioLevel;
    green->SetColorAsk(QColor(0, 160, 0));
    Place(column, green, QStringLiteral("Source level"), 35);
    auto *balance = new TAudioBalance;
    balance->SetColorAskLeft(QColor(200, 0, 0));
    Place(column, balance, QStringLiteral("Balance"), 50);
    column->addStretch();
    return page;
}
