#include "EditUpDown.h"

#include "BaseColour.h"
#include "PositionClamp.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QWheelEvent>
#include <cmath>

namespace {

// A quotient that should be an integer but carries binary noise (50 x 20.48)
// must not be pushed to the next integer by ceil or floor.
double Snapped(double value)
{
    const double nearest = std::round(value);
    return std::abs(value - nearest) < 1e-9 ? nearest : value;
}

QChar DecimalPoint()
{
    return QLocale().decimalPoint().at(0);
}

// Keeps digits, minus signs and the decimal point, whether typed as "," or ".".
QString NormaliseTyped(const QString &text)
{
    QString normalised;
    for (QChar c : text) {
        if (c == QLatin1Char('.') || c == QLatin1Char(','))
            normalised += DecimalPoint();
        else if (c.isDigit() || c == QLatin1Char('-'))
            normalised += c;
    }
    return normalised;
}

} // namespace

TEditUpDown::TEditUpDown(QWidget *parent, int accelerationIntervalMs) : QAbstractSpinBox(parent)
{
    m_accelerationTimer.setSingleShot(true);
    m_accelerationTimer.setInterval(accelerationIntervalMs);
    connect(&m_accelerationTimer, &QTimer::timeout, this, &TEditUpDown::AccelerationTimeout);
    setKeyboardTracking(false);
    ShowPosition();
}

void TEditUpDown::SetMin(int16_t min)
{
    m_min = min;
    UpdateBaseStep();
}

void TEditUpDown::SetMax(int16_t max)
{
    m_max = max;
    UpdateBaseStep();
}

void TEditUpDown::SetPosition(int32_t position)
{
    TUserEventFlag::OwnerWrite ownerWrite(m_userEvent);
    m_position = ClampPosition(position, m_min, m_max);
    m_buttonsPosition = m_position;
    ShowPosition();
}

void TEditUpDown::SetAffichageMin(double value)
{
    m_affichageMin = value;
    UpdateBaseStep();
    ShowPosition();
}

void TEditUpDown::SetAffichageMax(double value)
{
    m_affichageMax = value;
    UpdateBaseStep();
    ShowPosition();
}

void TEditUpDown::SetAffichageSuffix(const QString &suffix)
{
    m_suffix = suffix;
    ShowPosition();
}

void TEditUpDown::SetArronditOrFloat(TArronditOrFloat rounding)
{
    m_rounding = rounding;
    ShowPosition();
}

void TEditUpDown::SetDelLastZeroIfFloat(bool blank)
{
    m_delLastZero = blank;
    ShowPosition();
}

void TEditUpDown::SetIncrementAuto(bool automatic)
{
    m_incrementAuto = automatic;
    UpdateBaseStep();
}

QColor TEditUpDown::Color() const
{
    return BaseColour(this);
}

void TEditUpDown::SetColor(const QColor &color)
{
    SetBaseColour(this, color);
}

void TEditUpDown::UpdateBaseStep()
{
    const double displayRange = m_affichageMax - m_affichageMin;
    m_baseStep = 1;
    if (m_incrementAuto && displayRange != 0.0)
        m_baseStep = std::max(1, int(std::lround(std::abs((m_max - m_min) / displayRange))));
    m_step = m_baseStep;
}

QString TEditUpDown::PositionToText(int32_t position) const
{
    const int range = m_max - m_min;
    const double display =
        range == 0 ? m_affichageMin
                   : Snapped(double(position - m_min) * (m_affichageMax - m_affichageMin) / range) + m_affichageMin;
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text;
    switch (m_rounding) {
    case _Float:
        text = locale.toString(display, 'f', 2);
        if (m_delLastZero && text.contains(DecimalPoint()) && text.endsWith(QLatin1Char('0')))
            text[text.size() - 1] = QLatin1Char(' ');
        break;
    case _Superieur:
        text = locale.toString(std::round(display), 'f', 0);
        break;
    case _Ceil:
        text = locale.toString(std::ceil(display), 'f', 0);
        break;
    case _Floor:
        text = locale.toString(std::floor(display), 'f', 0);
        break;
    case _Inferieur:
    case _Vers0:
        text = locale.toString(std::trunc(display), 'f', 0);
        break;
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text + m_suffix;
}

// Each mode reads a number back to a position that shows that number again.
int64_t TEditUpDown::UnclampedPosition(double displayValue) const
{
    const double displayRange = m_affichageMax - m_affichageMin;
    if (displayRange == 0.0 || !std::isfinite(displayValue))
        return m_min;
    double c = Snapped((displayValue - m_affichageMin) * (m_max - m_min) / displayRange) + m_min;
    switch (m_rounding) {
    case _Inferieur:
    case _Floor:
        c = std::ceil(c);
        break;
    case _Ceil:
        c = std::floor(c);
        break;
    case _Vers0:
        c = std::trunc(c);
        break;
    case _Superieur:
        c = std::round(c);
        break;
    case _Float:
        c = std::nearbyint(c);
        break;
    }
    return int64_t(std::max<double>(INT32_MIN, std::min<double>(INT32_MAX, c)));
}

int32_t TEditUpDown::DisplayToPosition(double displayValue) const
{
    return ClampPosition(UnclampedPosition(displayValue), m_min, m_max);
}

void TEditUpDown::ShowPosition()
{
    lineEdit()->setText(PositionToText(m_position));
}

QValidator::State TEditUpDown::validate(QString &, int &) const
{
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TEditUpDown::stepEnabled() const
{
    if (isReadOnly() || !isEnabled())
        return StepNone;
    StepEnabled enabled = StepNone;
    if (m_buttonsPosition < m_max)
        enabled |= StepUpEnabled;
    if (m_buttonsPosition > m_min)
        enabled |= StepDownEnabled;
    return enabled;
}

void TEditUpDown::Report(int32_t newPosition, int32_t oldPosition)
{
    if (m_userEvent.UserEvent())
        emit OnUserChange(this, newPosition, newPosition < oldPosition ? btPrev : btNext);
}

void TEditUpDown::StepButtonsTo(int64_t position)
{
    const int32_t old = m_buttonsPosition;
    m_buttonsPosition = ClampPosition(position, m_min, m_max);
    Report(m_buttonsPosition, old);
}

// Buttons and arrow keys both step here, by the current (accelerating) step.
void TEditUpDown::stepBy(int steps)
{
    StepButtonsTo(int64_t(m_buttonsPosition) + int64_t(steps) * m_step);
    m_clickedSinceTimerStart = true;
    if (!m_accelerationTimer.isActive()) {
        m_clickedSinceTimerStart = false;
        m_accelerationTimer.start();
    }
}

void TEditUpDown::AccelerationTimeout()
{
    if (!m_clickedSinceTimerStart)
        return;
    m_clickedSinceTimerStart = false;
    m_step += int32_t(std::lround((m_max - m_min) / 100.0));
    m_accelerationTimer.start();
}

void TEditUpDown::ResetStep()
{
    m_accelerationTimer.stop();
    m_clickedSinceTimerStart = false;
    m_step = m_baseStep;
}

void TEditUpDown::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta == 0 || isReadOnly()) {
        event->ignore();
        return;
    }
    const int64_t stride = std::lround((m_max - m_min) / 50.0);
    StepButtonsTo(int64_t(m_buttonsPosition) + (delta > 0 ? stride : -stride));
    event->accept();
}

void TEditUpDown::mouseReleaseEvent(QMouseEvent *event)
{
    QAbstractSpinBox::mouseReleaseEvent(event);
    ResetStep();
}

void TEditUpDown::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        RaisePending();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

// Keys after which the text is left as typed: editing keys, and the keys
// that may start a negative or decimal number still to be completed.
bool TEditUpDown::LeavesTextAlone(const QKeyEvent *event)
{
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Comma:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return true;
    case Qt::Key_Minus:
    case Qt::Key_Period:
        return keypad;
    default:
        return false;
    }
}

void TEditUpDown::keyReleaseEvent(QKeyEvent *event)
{
    QAbstractSpinBox::keyReleaseEvent(event);
    ResetStep();
    if (!isReadOnly() && !event->isAutoRepeat() && !LeavesTextAlone(event))
        ReadTypedText();
}

void TEditUpDown::ReadTypedText()
{
    QLineEdit *edit = lineEdit();
    const QString normalised = NormaliseTyped(edit->text());
    if (normalised != edit->text()) {
        const int cursor = int(NormaliseTyped(edit->text().left(edit->cursorPosition())).size());
        edit->setText(normalised);
        edit->setCursorPosition(cursor);
    }
    QString number = normalised;
    number.replace(DecimalPoint(), QLatin1Char('.'));
    bool ok = true;
    const double value = number.isEmpty() ? m_affichageMin : number.toDouble(&ok);
    if (ok)
        m_pending = m_clampTypedEntries ? DisplayToPosition(value) : int32_t(UnclampedPosition(value));
    else
        m_pending.reset();
}

// The typed value is sent once, on Enter or on leaving the field.
void TEditUpDown::RaisePending()
{
    if (!m_pending)
        return;
    const int32_t value = *m_pending;
    m_pending.reset();
    Report(value, m_position);
}

void TEditUpDown::focusOutEvent(QFocusEvent *event)
{
    RaisePending();
    QAbstractSpinBox::focusOutEvent(event);
}
