#pragma once
#include <algorithm>
#include <cstdint>

// A position held to Min..Max, worked out in 64 bits so that a step past
// either end cannot overflow; a range whose Min lies above its Max gives Min.
inline int32_t ClampPosition(int64_t position, int32_t min, int32_t max)
{
    return int32_t(std::max<int64_t>(min, std::min<int64_t>(max, position)));
}
