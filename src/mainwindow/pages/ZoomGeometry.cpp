#include "ZoomGeometry.h"

#include "controls/PixelRounding.h"
#include "mainwindow/tables/InputClasses.h"
#include "mainwindow/tables/OutputTables.h"
#include "variables/Conversion_V2.h"

#include <algorithm>

namespace ZoomGeometry {

namespace {

constexpr int CaptionMax = 255;

// A conversion of its own, set up where it is used: the shared one may be
// reconfigured by any handler.
void SetUpConversionC(TConversion_V2 &conversion, bool pixelUnits, TArrondi rounding)
{
    conversion.Setup(pixelUnits ? PixelLow : 0, pixelUnits ? PixelHigh : PercentHigh, 0, CaptionMax, rounding, 5, 0);
}

} // namespace

int ToCaption(int deviceValue, bool pixelUnits)
{
    TConversion_V2 conversion;
    SetUpConversionC(conversion, pixelUnits, Arr_VsMoinsInf);
    return conversion.ValPosDrvToCaption(deviceValue).toInt();
}

int ToDevice(int caption, bool pixelUnits)
{
    TConversion_V2 conversion;
    SetUpConversionC(conversion, pixelUnits, Arr_VsPair);
    return conversion.ValCaptionToDrv(caption);
}

int SizeCaption(int size)
{
    return ToCaption(PixelCentre - size, true);
}

TFieldRange FieldRange(bool isPosition, bool pixelUnits)
{
    if (pixelUnits)
        return isPosition ? TFieldRange{0, 20000, -10000, 10000, QStringLiteral(" Pixel"), PixelLow}
                          : TFieldRange{0, 10000, 0, 10000, QStringLiteral(" Pixel"), 0};
    return isPosition ? TFieldRange{0, 10000, 0, 100, QStringLiteral("%"), 0}
                      : TFieldRange{100, 10000, 10, 1000, QStringLiteral("%"), 0};
}

int PreviewHeight(uint16_t outputWidth, uint16_t outputHeight, int previewWidth, int maxHeight)
{
    if (outputWidth == 0)
        return 0;
    const int height = (outputHeight * 100 / outputWidth) * (previewWidth / 100);
    return std::clamp(height, 0, std::max(maxHeight, 0));
}

int ZoomSizePercent(int deviceSize, bool pixelUnits, uint16_t outputSize, int previous)
{
    if (!pixelUnits)
        return RoundHalfEven(deviceSize / 10.0);
    if (outputSize == 0)
        return previous;
    return RoundHalfEven(deviceSize * 100.0 / outputSize);
}

int ZoomSizeDevice(int percent, bool pixelUnits, uint16_t outputSize)
{
    if (!pixelUnits)
        return percent * 10;
    return RoundHalfEven(percent * double(outputSize) / 100.0);
}

bool BlackBands(uint16_t outputAspect, uint16_t outputFormat, uint16_t inputFormat, uint16_t inputAspect)
{
    const OutputTables::TOutputFormat *format = OutputTables::Format(outputFormat);
    if (outputAspect != 0 || (format && format->WideScreen))
        return false;
    if (InputClasses::IsWideScreenFormat(inputFormat))
        return inputAspect == 2 || inputAspect == 3;
    return inputAspect == 2;
}

} // namespace ZoomGeometry
