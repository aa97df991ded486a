#include "VariableBinding.h"

#include "controls/EditUpDown.h"
#include "controls/SlidingCaption.h"
#include "controls/SmartItems.h"
#include "dialogs/OperatorPrompt.h"
#include "mainwindow/tables/ItemTable.h"
#include "link/ComDriverMorlix.h"
#include "variables/MorlixVariables_d.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace VariableBinding {

int LargeStep(int minimum, int maximum)
{
    return int(std::nearbyint((maximum - minimum) / 10.0));
}

void SetSliderRange(QAbstractSlider *slider, int minimum, int maximum)
{
    slider->setRange(minimum, maximum);
    const int step = LargeStep(minimum, maximum);
    if (step >= 1 && step <= 32767)
        slider->setPageStep(step);
}

void ApplyRange(QAbstractSlider *slider, const TComDriver &driver, int varNumber)
{
    SetSliderRange(slider, driver.GetVarMin(varNumber), driver.GetVarMax(varNumber));
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

void BindSlider(const TMainContext &context, QAbstractSlider *slider, int varNumber, TSliderSense sense)
{
    TComDriverMorlix &driver = context.Driver;
    ApplyRange(slider, driver, varNumber);
    const auto valueAt = SliderMapping(driver, varNumber, sense);
    SendOperatorMoves(driver, slider, varNumber, TSliderEnds::Send, sense);
    QPointer<QAbstractSlider> guarded(slider);
    OnReport(context, varNumber, [guarded, &driver, varNumber, valueAt] {
        if (!guarded)
            return;
        const QSignalBlocker block(guarded);
        // The mapping is its own inverse.
        guarded->setValue(valueAt(driver.GetVar(varNumber)));
    });
}

std::function<uint16_t(int)> SliderMapping(const TComDriver &driver, int varNumber, TSliderSense sense)
{
    const int mirror = sense == TSliderSense::Inverted ? driver.GetVarMin(varNumber) + driver.GetVarMax(varNumber) : 0;
    // Its own inverse: it maps a value to its position as well.
    return [mirror, sense](int position) {
        return uint16_t(sense == TSliderSense::Inverted ? mirror - position : position);
    };
}

void SendOperatorMoves(TComDriver &driver, QAbstractSlider *slider, int varNumber, TSliderEnds ends,
                       TSliderSense sense)
{
    // Only the operator's actions send: valueChanged would also fire when a
    // range clamps the value, and a report sets the slider with its signals
    // blocked, so it never echoes back. The actions carry the new position
    // before it becomes the value.
    const auto valueAt = SliderMapping(driver, varNumber, sense);
    auto showDevice = [slider, &driver, varNumber, valueAt] {
        const QSignalBlocker block(slider);
        slider->setValue(valueAt(driver.GetVar(varNumber)));
    };
    QObject::connect(slider, &QAbstractSlider::actionTriggered, slider,
                     [slider, &driver, varNumber, ends, valueAt](int action) {
                         switch (action) {
                         case QAbstractSlider::SliderNoAction:
                             return;
                         case QAbstractSlider::SliderMove:
                             // With the thumb held this is a drag, sent by sliderMoved;
                             // without, the wheel (or the release of a drag the value
                             // lags behind).
                             if (slider->isSliderDown())
                                 return;
                             break;
                         case QAbstractSlider::SliderToMinimum:
                         case QAbstractSlider::SliderToMaximum:
                             if (ends == TSliderEnds::ShowDevice) {
                                 // The value the action is about to take.
                                 slider->setSliderPosition(valueAt(driver.GetVar(varNumber)));
                                 return;
                             }
                             break;
                         default:
                             break;
                         }
                         driver.SendVar(varNumber, valueAt(slider->sliderPosition()));
                     });
    QObject::connect(slider, &QAbstractSlider::sliderMoved, slider,
                     [&driver, varNumber, valueAt](int position) { driver.SendVar(varNumber, valueAt(position)); });
    if (ends == TSliderEnds::ShowDevice)
        QObject::connect(slider, &QAbstractSlider::sliderReleased, slider, showDevice);
}

namespace {

// Escape and leaving the field give up what the operator typed.
class TEntryAbandon : public QObject
{
public:
    TEntryAbandon(QLineEdit *field, std::function<void()> restore) : QObject(field), m_restore(std::move(restore))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            m_restore();
            return true;
        }
        if (event->type() == QEvent::FocusOut)
            m_restore();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_restore;
};

} // namespace

void BindTextEntry(QLineEdit *field, std::function<bool(const QString &text)> enter, std::function<void()> restore)
{
    new TEntryAbandon(field, restore);
    QObject::connect(field, &QLineEdit::returnPressed, field, [field, enter, restore] {
        if (!enter(field->text()))
            restore();
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
        SendToggle(driver, varNumber);
    });
    QPointer<QAbstractButton> guarded(button);
    OnReport(context, varNumber, [guarded, &driver, varNumber] {
        if (!guarded)
            return;
        const QSignalBlocker block(guarded);
        guarded->setChecked(driver.GetVar(varNumber) != 0);
    });
}

void SendToggle(TComDriver &driver, int varNumber)
{
    driver.SendVar(varNumber, uint16_t((driver.GetVar(varNumber) % 128) ^ 1));
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
                         if (position >= 0 && position < itemValues.size())
                             driver.SendVar(varNumber, itemValues[position]);
                         else
                             TOperatorPrompt::Inform(selector, OutOfTableMessage(), TOperatorPrompt::Warning);
                     });
    QPointer<QComboBox> guarded(selector);
    OnReport(context, varNumber, [guarded, &driver, varNumber, itemValues] {
        if (!guarded)
            return;
        const QSignalBlocker block(guarded);
        guarded->setCurrentIndex(PositionOfValue(itemValues, driver.GetVar(varNumber)));
    });
}

void SendElements(TComDriver &driver, int indexVar, uint16_t index, TIndexWrite mode,
                  std::initializer_list<TElementWrite> writes)
{
    if (mode == TIndexWrite::Always || driver.GetVar(indexVar) != index)
        driver.SendVar(indexVar, index);
    for (const TElementWrite &write : writes)
        driver.SendVar(write.VarNumber, write.Value);
}

void OnItemChosen(TSmartItems *selector, std::function<void(int item)> choose, TChoiceButtons buttons)
{
    // An item with sub-items reports itself with the middle button when its
    // list opens: the choice is then made among the sub-items.
    QObject::connect(
        selector, &TSmartItems::OnSmartItemsClickChange, selector,
        [choose, buttons](TSmartItems *, Qt::MouseButton button, bool userEvent, int item, const QString &) {
            if (userEvent && (button == Qt::LeftButton || buttons == TChoiceButtons::Any))
                choose(item);
        });
}

void OnSubItemChosen(TSmartItems *selector, std::function<void(int item, int subItem)> choose)
{
    QObject::connect(selector, &TSmartItems::OnSmartSubItemsClickChange, selector,
                     [choose](TSmartItems *, Qt::MouseButton button, bool userEvent, int item, const QString &,
                              int subItem, const QString &) {
                         if (userEvent && button == Qt::LeftButton)
                             choose(item, subItem);
                     });
}

std::optional<uint16_t> ChosenValue(QWidget *parent, const TItemTable &table, int position)
{
    const std::optional<uint16_t> value = table.ValueAt(position);
    if (!value)
        TOperatorPrompt::Inform(parent, OutOfTableMessage(), TOperatorPrompt::Warning);
    return value;
}

void ApplyEntries(TSmartItems *selector, const TItemTable &table)
{
    selector->SetItems(table.Captions());
    for (int i = 0; i < table.Count(); ++i) {
        selector->SetItemEnabled(i, table.At(i).Enabled);
        selector->SetItemVisible(i, table.At(i).Visible);
    }
}

void ShowReportedValue(TSmartItems *selector, const TItemTable &table, uint16_t value, int subItem)
{
    ShowReportedItem(selector, table.PositionOf(value), subItem);
}

void ShowReportedItem(TSmartItems *selector, int item, int subItem)
{
    if (item < 0 || item >= selector->ItemCount()) {
        selector->SetItemIndex(-1);
        if (selector->StyleType() == TSmartItems::_ComboBox)
            selector->ListField()->SetText(QString());
        return;
    }
    // The selector shows only visible items: show a hidden one for the
    // moment it takes to write the index.
    QAction *action = selector->PutMenuPopupMenu()->actions().value(item);
    const bool hidden = action && !action->isVisible();
    if (hidden)
        selector->SetItemVisible(item, true);
    if (subItem >= 0)
        selector->SetSUBItemIndex(subItem);
    selector->SetItemIndex(item);
    if (hidden)
        selector->SetItemVisible(item, false);
    // A caption wider than the field slides on hover; the hint holds it whole.
    if (selector->StyleType() == TSmartItems::_ComboBox)
        selector->ListField()->setToolTip(selector->ListField()->Text());
}

TSmartItems *NewSmartItems(QWidget *parent, const char *name, const QString &caption, const TItemTable &table,
                           int style, const QRect &geometry)
{
    auto *selector = new TSmartItems(parent);
    selector->setObjectName(QLatin1String(name));
    selector->SetCaption(caption);
    selector->SetStyleType(TSmartItems::TType(style));
    ApplyEntries(selector, table);
    selector->setGeometry(geometry);
    return selector;
}

void BindSmartItems(const TMainContext &context, TSmartItems *selector, int varNumber, const TItemTable &table,
                    TChoiceButtons buttons)
{
    TComDriverMorlix &driver = context.Driver;
    OnItemChosen(
        selector,
        [selector, &driver, varNumber, table](int item) {
            if (const std::optional<uint16_t> value = ChosenValue(selector, table, item))
                driver.SendVar(varNumber, *value);
        },
        buttons);
    QPointer<TSmartItems> guarded(selector);
    OnReport(context, varNumber, [guarded, &driver, varNumber, table] {
        if (guarded)
            ShowReportedValue(guarded, table, driver.GetVar(varNumber));
    });
}

bool AcceptsEntry(const TComDriver &driver, int varNumber, int64_t value)
{
    return value >= driver.GetVarMin(varNumber) && value <= driver.GetVarMax(varNumber);
}

void ApplyDeviceScale(TEditUpDown *field, const TComDriver &driver, int varNumber)
{
    const int minimum = driver.GetVarMin(varNumber);
    const int maximum = driver.GetVarMax(varNumber);
    field->SetMin(int16_t(std::min(minimum, int(INT16_MAX))));
    field->SetMax(int16_t(std::min(maximum, int(INT16_MAX))));
    field->SetAffichageMin(minimum);
    field->SetAffichageMax(maximum);
}

void BindEditUpDown(const TMainContext &context, TEditUpDown *field, int varNumber)
{
    TComDriverMorlix &driver = context.Driver;
    const int minimum = driver.GetVarMin(varNumber);
    const int maximum = driver.GetVarMax(varNumber);
    if (maximum <= INT16_MAX) {
        field->SetMin(int16_t(minimum));
        field->SetMax(int16_t(maximum));
    }
    QPointer<TEditUpDown> guarded(field);
    auto show = [guarded, &driver, varNumber] {
        if (guarded)
            guarded->SetPosition(driver.GetVar(varNumber));
    };
    QObject::connect(field, &TEditUpDown::OnUserChange, field,
                     [&driver, varNumber, show](TEditUpDown *, int32_t value, TEditUpDown::TUDBtnType) {
                         if (AcceptsEntry(driver, varNumber, value))
                             driver.SendVar(varNumber, uint16_t(value));
                         else
                             show();
                     });
    OnReport(context, varNumber, show);
}

} // namespace VariableBinding
