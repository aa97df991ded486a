#include "GalleryPages.h"

#include "controls/EditUpDown.h"

#include <QFormLayout>
#include <QLabel>

namespace {

TEditUpDown *MakeField(int16_t max, double displayMin, double displayMax, const QString &suffix,
                       TEditUpDown::TArronditOrFloat rounding, int32_t position, QLabel *log)
{
    auto *field = new TEditUpDown;
    field->SetMax(max);
    field->SetAffichageMin(displayMin);
    field->SetAffichageMax(displayMax);
    field->SetAffichageSuffix(suffix);
    field->SetArronditOrFloat(rounding);
    field->SetPosition(position);
    field->setFixedWidth(110);
    // The device answers at once in the gallery.
    QObject::connect(field, &TEditUpDown::OnUserChange, [field, log](TEditUpDown *, int32_t value, auto button) {
        log->setText(QStringLiteral("reported %1 (%2)").arg(value).arg(button == TEditUpDown::btNext ? "up" : "down"));
        field->SetPosition(value);
    });
    return field;
}

} // namespace

QWidget *CreateNumericPage()
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    auto *log = new QLabel(QStringLiteral("Type, click the arrows or use the wheel."));
    form->addRow(QStringLiteral("Contrast"), MakeField(2048, 0, 100, QStringLiteral("%"), TEditUpDown::_Inferieur, 1024, log));
    form->addRow(QStringLiteral("Frame rate"), MakeField(990, 1, 100, QStringLiteral("Hz"), TEditUpDown::_Float, 589, log));
    form->addRow(QStringLiteral("Delay"), MakeField(255, 0, 255, QStringLiteral(" ms"), TEditUpDown::_Inferieur, 40, log));
    form->addRow(log);
    return page;
}
