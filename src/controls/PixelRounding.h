#pragma once
#include "variables/Conversion_V2.h"

// The framing controls round every pixel and scale value to the nearest
// integer, halves to the even neighbour, as the rest of the program does.
inline int RoundHalfEven(double value)
{
    return int(TConversion_V2::Round(value, Arr_VsPair));
}
