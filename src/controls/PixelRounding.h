#pragma once
#include "variables/Conversion_V2.h"

// The controls round every pixel, scale and colour value to the nearest
// integer, halves to the even neighbour, as the rest of the program does.
inline int RoundHalfEven(double value)
{
    return int(TConversion_V2::Round(value, Arr_VsPair));
}
