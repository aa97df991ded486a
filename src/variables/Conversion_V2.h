#pragma once
#include <QObject>
#include <QString>
#include <cstdint>

enum TArrondi { Arr_IDONTCARE, Arr_VsPair, Arr_VsZero, Arr_VsPlusInf, Arr_VsMoinsInf };

// Linear mapping between device values and the values the operator reads.
// One instance is shared: every caller sets the ranges and the format, then
// converts one value.
class TConversion_V2 : public QObject
{
    Q_OBJECT
public:
    explicit TConversion_V2(QObject *parent = nullptr) : QObject(parent) {}

    int32_t ValInit_MinDrv = 0;
    int32_t ValInit_MaxDrv = 0;
    int32_t ValInit_MinCaption = 0;
    int32_t ValInit_MaxCaption = 0;
    TArrondi vTypeArrondi = Arr_IDONTCARE;
    uint8_t vNumTotal = 0;
    uint8_t vNumAfterFloat = 0;

    // Convenience for the common set-up of a caller.
    void Setup(int32_t minDrv, int32_t maxDrv, int32_t minCaption, int32_t maxCaption,
               TArrondi rounding, uint8_t numTotal, uint8_t numAfterFloat);

    QString ValPosDrvToCaption(int32_t value) const;
    // The unrounded display value for a device value (the number behind the text).
    long double DrvToCaptionValue(int32_t value) const;
    int32_t ValCaptionToDrv(int32_t value) const;

    static long double Round(long double value, TArrondi rounding);
    // Fixed-point text: numTotal significant digits, exactly numAfterFloat
    // decimals, the locale's separator; scientific when the integer part has
    // more digits than numTotal.
    static QString FormatFixed(long double value, int numTotal, int numAfterFloat);
};
