#pragma once
#include "MainContext.h"

#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>

class QAbstractButton;
class QAbstractSlider;
class QAbstractSpinBox;
class QComboBox;
class QProgressBar;
class QSpinBox;
class QWidget;
class TComDriver;

// The two shapes every page control takes: an operator's action converts the
// value and sends it, and the report of the variable sets the control from the
// cached value without sending anything back. These helpers wire both halves
// so that a page binds a control in one line.
namespace VariableBinding {

// Ranges from the variable table, set once at start. Sliders also get a
// large step of a tenth of their range when it lies between 1 and 32767.
void ApplyRange(QAbstractSlider *slider, const TComDriver &driver, int varNumber);
void ApplyRange(QSpinBox *spin, const TComDriver &driver, int varNumber);
void ApplyRange(QProgressBar *bar, const TComDriver &driver, int varNumber);
int LargeStep(int minimum, int maximum);

// Runs show() on every report of the variable and once now, so the control
// starts from the cached value.
void OnReport(const TMainContext &context, int varNumber, std::function<void()> show);

// Slider: range from the table; moving it sends the position; a report moves
// it back to the device's value.
void BindSlider(const TMainContext &context, QAbstractSlider *slider, int varNumber);

// On/off button: clicking sends (cached value mod 128) xor 1; it shows pressed
// while the device reports a non-zero value.
void BindToggle(const TMainContext &context, QAbstractButton *button, int varNumber);

// Selector whose item positions stand for device values through a table. A
// position outside the table warns and sends 0.
void BindSelector(const TMainContext &context, QComboBox *selector, int varNumber,
                  QVector<uint16_t> itemValues);
int PositionOfValue(const QVector<uint16_t> &itemValues, uint16_t value);
QString OutOfTableMessage();

} // namespace VariableBinding
