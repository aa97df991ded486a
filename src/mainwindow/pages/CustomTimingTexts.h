#pragma once
// The texts the custom timing panel shows for what the device reports.
#include <QString>
#include <cstdint>
#include <optional>

namespace CustomTimingTexts {

// A rate in hundredths of a hertz, in hertz with up to five significant
// digits: 6000 is "60 Hz", 5994 is "59.94 Hz".
QString RateText(uint16_t hundredths);
// "1344 Pixels", "806 Lines".
QString PixelsText(uint16_t pixels);
QString LinesText(uint16_t lines);

// One step of the fold-out: the next value of the moving edge (growing
// towards target, or shrinking towards it), or nothing once it has reached or
// passed the target, whatever it started from. The edge moves by half the
// distance left, rounded up, so it always arrives and never overshoots.
std::optional<int> FoldStep(int current, int target, bool growing);

} // namespace CustomTimingTexts
