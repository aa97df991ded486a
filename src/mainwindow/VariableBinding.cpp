#include "VariableBinding.h"

#include "dialogs/OperatorPrompt.h"
#include "link/ComDriverMorlix.h"
#include "variables/MorlixVariables_d.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QPointer>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <cmath>

namespace VariableBinding {

int LargeStep(int minimum, int maximum)
{
    return int(std::nearbyint((maximum - minimum) / 10.0));
}

void ApplyRange(QAbstractSlider *slider, const TComDriver &driver, int varNumber)
{
    const int minimum = driver.GetVarMin(varNumber);
    const int maximum = driver.GetVarMax(varNumber);
    slider->setRange(minimum, maximum);
    const int step = LargeStep(minimum, maximum);
    if (step >= 1 && step <= 32767)
        slider->setPageStep(step);
}

void ApplyRange(QSpinBox *spin, const TComDriver &driver, int varNumber)
{
    spin->setRange(driver.GetVarMin(varNumber), driver.GetVarMax(varNumber));
}

void ApplyRange(QProgressBar *bar, const TComDriver &driver, int varNumber)
{
    bar->setRange(driver.GetVarMin(varNumber), driver.GetVarMax(varNumber));
}

void OnReport(const TMainContext &context, int varNumber, std::function<void()> show)
{
    show();
    context.Changes.OnChange(varNumber, std::move(show));
}

void BindSlider(const TMainContext &context, QAbstractSlider *slider, int varNumber)
{
    TComDriverMorlix &driver = context.Driver;
    ApplyRange(slider, driver, varNumber);
    // Only the operator's moves send: a report sets the slider with its
    // signals blocked, so it never echoes back.
    QObject::connect(slider, &QAbstractSlider::valueChanged, slider, [&driver, varNumber](int value) {
        driver.SendVar(varNumber, uint16_t(value));
    });
    QPointer<QAbstractSlider> guarded(slider);
    OnReport(context, varNumber, [guarded, &driver, varNumber] {
        if (!guarded)
            return;
        const QSignalBlocker block(guarded);
        guarded->setValue(driver.GetVar(varNumber));
    });
}

void BindToggle(const TMainContext &context, QAbstractButton *button, int varNumber)
{
    TComDriverMorlix &driver = context.Driver;
    button->setCheckable(true);
    // The pressed state follows the device, not the click.
    QObject::connect(button, &QAbstractButton::clicked, button, [button, &driver, varNumber] {
        const QSignalBlocker block(button);
        button->setChecked(driver.GetVar(varNumber) != 0);
        driver.SendVar(varNumber, uint16_t((driver.GetVar(varNumber) % 128) ^ 1));
    });
    QPointer<QAbstractButton> guarded(button);
    OnReport(context, varNumber, [guarded, &driver, varNumber] {
        if (!guarded)
            return;
        const QSignalBlocker block(guarded);
        guarded->setChecked(driver.GetVar(varNumber) != 0);
    });
}

QString OutOfTableMessage()
{
    return QStringLiteral("ItemIndex out about Tab: 0 will be send");
}

int PositionOfValue(const QVector<uint16_t> &itemValues, uint16_t value)
{
    return int(itemValues.indexOf(value));
}

void BindSelector(const TMainContext &context, QComboBox *selector, int varNumber,
                  QVector<uint16_t> itemValues)
{
    TComDriverMorlix &driver = context.Driver;
    QObject::connect(selector, &QComboBox::activated, selector,
                     [selector, &driver, varNumber, itemValues](int position) {
                         uint16_t value = 0;
                         if (position >= 0 && position < itemValues.size())
                             value = itemValues[position];
                         else
                             TOperatorPrompt::Inform(selector, OutOfTableMessage(), TOperatorPrompt::Warning);
                         driver.SendVar(varNumber, value);
                     });
    QPointer<QComboBox> guarded(selector);
    OnReport(context, varNumber, [guarded, &driver, varNumber, itemValues] {
        if (!guarded)
            return;
        const QSignalBlocker block(guarded);
        guarded->setCurrentIndex(PositionOfValue(itemValues, driver.GetVar(varNumber)));
    });
}

} // namespace VariableBinding
