#pragma once
#include "OwnerDriven.h"

#include <QAbstractSpinBox>
#include <QTimer>
#include <optional>

// The numeric field of the pages: an integer position in Min..Max shown on a
// display scale with a suffix, with an up-down button pair. Buttons, arrow
// keys, the wheel and typed text only report the operator's value through
// OnUserChange; the field shows a new value when the owner sets Position.
class TEditUpDown : public QAbstractSpinBox
{
    Q_OBJECT
public:
    enum TArronditOrFloat { _Superieur, _Inferieur, _Vers0, _Float, _Ceil, _Floor };
    Q_ENUM(TArronditOrFloat)
    enum TUDBtnType { btNext, btPrev };
    Q_ENUM(TUDBtnType)
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    static constexpr int DefaultAccelerationIntervalMs = 250;

    explicit TEditUpDown(QWidget *parent = nullptr, int accelerationIntervalMs = DefaultAccelerationIntervalMs);

    int16_t Min() const { return m_min; }
    void SetMin(int16_t min);
    int16_t Max() const { return m_max; }
    void SetMax(int16_t max);
    int32_t Position() const { return m_position; }
    void SetPosition(int32_t position);

    double AffichageMin() const { return m_affichageMin; }
    void SetAffichageMin(double value);
    double AffichageMax() const { return m_affichageMax; }
    void SetAffichageMax(double value);
    QString AffichageSuffix() const { return m_suffix; }
    void SetAffichageSuffix(const QString &suffix);
    TArronditOrFloat ArronditOrFloat() const { return m_rounding; }
    void SetArronditOrFloat(TArronditOrFloat rounding);
    bool DelLastZeroIfFloat() const { return m_delLastZero; }
    void SetDelLastZeroIfFloat(bool blank);
    bool IncrementAuto() const { return m_incrementAuto; }
    void SetIncrementAuto(bool automatic);

    // Typed numbers outside Min..Max are brought to the nearest end (the
    // default), or reported as typed, for an owner that refuses them.
    bool ClampTypedEntries() const { return m_clampTypedEntries; }
    void SetClampTypedEntries(bool clamp) { m_clampTypedEntries = clamp; }

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    QColor Color() const;
    void SetColor(const QColor &color);
    TBorderStyle BorderStyle() const { return hasFrame() ? bsSingle : bsNone; }
    void SetBorderStyle(TBorderStyle style) { setFrame(style == bsSingle); }

    // Where the buttons stand: the position the next click steps from.
    int32_t ButtonsPosition() const { return m_buttonsPosition; }
    int32_t CurrentStep() const { return m_step; }

    // The text for a position, and the position for a typed number.
    QString PositionToText(int32_t position) const;
    int32_t DisplayToPosition(double displayValue) const;

    // The acceleration timer's expiry; public so that a test can step it.
    void AccelerationTimeout();

    void stepBy(int steps) override;

signals:
    void OnUserChange(TEditUpDown *Sender, int32_t value, TUDBtnType Button);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void Report(int32_t newPosition, int32_t oldPosition);
    void StepButtonsTo(int64_t position);
    void ReadTypedText();
    void RaisePending();
    void ResetStep();
    void UpdateBaseStep();
    void ShowPosition();
    int64_t UnclampedPosition(double displayValue) const;
    static bool LeavesTextAlone(const QKeyEvent *event);

    TUserEventFlag m_userEvent;
    int16_t m_min = 0;
    int16_t m_max = 100;
    int32_t m_position = 0;
    int32_t m_buttonsPosition = 0;
    double m_affichageMin = 0.0;
    double m_affichageMax = 100.0;
    QString m_suffix;
    TArronditOrFloat m_rounding = _Inferieur;
    bool m_delLastZero = true;
    bool m_incrementAuto = false;
    bool m_clampTypedEntries = true;
    int32_t m_baseStep = 1;
    int32_t m_step = 1;
    QTimer m_accelerationTimer;
    bool m_clickedSinceTimerStart = false;
    std::optional<int32_t> m_pending;
};
