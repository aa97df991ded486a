#pragma once
#include "MainContext.h"

#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>

class QAbstractButton;
class QAbstractSlider;
class QAbstractSpinBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QRect;
class QSpinBox;
class QWidget;
class TComDriver;
class TEditUpDown;
class TItemTable;
class TSmartItems;

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
// A slider range the program sets later (a maximum the device reports, a
// range a rule decides), with the same large step. Sends nothing, even when
// it clamps the position.
void SetSliderRange(QAbstractSlider *slider, int minimum, int maximum);

// Runs show() on every report of the variable and once now, so the control
// starts from the cached value.
void OnReport(const TMainContext &context, int varNumber, std::function<void()> show);

// Slider: range from the table; the operator's steps, page clicks, keys,
// wheel and drags send the position (setting a value or a range sends
// nothing); a report moves it back to the device's value. An inverted slider
// stands at minimum + maximum - value (a vertical bar whose top is the
// maximum).
enum class TSliderSense { Direct, Inverted };
void BindSlider(const TMainContext &context, QAbstractSlider *slider, int varNumber,
                TSliderSense sense = TSliderSense::Direct);

// The writing half of a slider alone, for a page whose report shows more than
// the slider. Steps, page clicks, keys, the wheel and every position of a
// drag send the position. With TSliderEnds::ShowDevice, jumping to either end
// (Home, End) and the end of a drag send nothing, and the slider shows the
// device's value again rather than a position never sent.
enum class TSliderEnds { Send, ShowDevice };
void SendOperatorMoves(TComDriver &driver, QAbstractSlider *slider, int varNumber, TSliderEnds ends,
                       TSliderSense sense = TSliderSense::Direct);
// The value a slider position stands for; also the position of a value.
std::function<uint16_t(int position)> SliderMapping(const TComDriver &driver, int varNumber, TSliderSense sense);

// A text field the operator types an entry into. Enter hands the text to
// enter(), which sends what it accepts and returns false for an entry it
// refuses; a refused entry, Escape and leaving the field run restore(), which
// shows the device's value again. Other keys only edit the text.
void BindTextEntry(QLineEdit *field, std::function<bool(const QString &text)> enter, std::function<void()> restore);

// On/off button: clicking sends (cached value mod 128) xor 1; it shows pressed
// while the device reports a non-zero value.
void BindToggle(const TMainContext &context, QAbstractButton *button, int varNumber);
// The write of an on/off command: (cached value mod 128) xor 1.
void SendToggle(TComDriver &driver, int varNumber);

// Selector whose item positions stand for device values through a table. A
// position outside the table warns and sends nothing: a guessed 0 would
// switch a live setting nobody asked to change.
void BindSelector(const TMainContext &context, QComboBox *selector, int varNumber,
                  QVector<uint16_t> itemValues);
int PositionOfValue(const QVector<uint16_t> &itemValues, uint16_t value);
QString OutOfTableMessage();

// Array variables: the index variable first, then each value. WhenDiffers
// skips the index when the device already reports that index.
enum class TIndexWrite { Always, WhenDiffers };
struct TElementWrite
{
    int VarNumber;
    uint16_t Value;
};
void SendElements(TComDriver &driver, int indexVar, uint16_t index, TIndexWrite mode,
                  std::initializer_list<TElementWrite> writes);

// TSmartItems, the operator's choices only. choose(item) runs for a plain
// choice: the primary button (or any button, for selectors whose items open
// nothing else), an item that opens no sub-item list, and a user event
// (never the program setting an index). choose(item, subItem) runs for a
// sub-item chosen with the primary button.
enum class TChoiceButtons { Primary, Any };
void OnItemChosen(TSmartItems *selector, std::function<void(int item)> choose,
                  TChoiceButtons buttons = TChoiceButtons::Primary);
void OnSubItemChosen(TSmartItems *selector, std::function<void(int item, int subItem)> choose);
// The device value of a chosen position; a position outside the table warns
// "ItemIndex out about Tab: 0 will be send" and gives nothing to send.
std::optional<uint16_t> ChosenValue(QWidget *parent, const TItemTable &table, int position);
// Gives the selector the table's items: captions, enabled and visible flags.
void ApplyEntries(TSmartItems *selector, const TItemTable &table);
// Shows the item of a reported value (and its sub-item), even an item hidden
// in this selector: the screen never shows a value the device does not hold.
// A value outside the table shows nothing selected.
void ShowReportedValue(TSmartItems *selector, const TItemTable &table, uint16_t value, int subItem = -1);
// The same for an item position; -1 shows nothing selected.
void ShowReportedItem(TSmartItems *selector, int item, int subItem = -1);
// A selector with a caption, a style and the table's items, placed.
TSmartItems *NewSmartItems(QWidget *parent, const char *name, const QString &caption, const TItemTable &table,
                           int style, const QRect &geometry);
// A scalar variable whose values are the table's: a plain choice sends the
// item's value, a report shows the item of the device's value.
void BindSmartItems(const TMainContext &context, TSmartItems *selector, int varNumber, const TItemTable &table,
                    TChoiceButtons buttons = TChoiceButtons::Primary);

// Whether an operator's entry lies in the variable's GetVarMin..GetVarMax.
bool AcceptsEntry(const TComDriver &driver, int varNumber, int64_t value);
// Numeric field of a scalar variable: range from the table when it fits the
// field (a 16-bit signed range; otherwise the caller sets it). An entry the
// variable's range refuses sends nothing and the field shows the device's
// value again; a report sets the position.
void BindEditUpDown(const TMainContext &context, TEditUpDown *field, int varNumber);
// A field that shows device units directly: the variable's range is both its
// position range and its display range.
void ApplyDeviceScale(TEditUpDown *field, const TComDriver &driver, int varNumber);

} // namespace VariableBinding
