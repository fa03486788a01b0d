#pragma once
// Truncation toward zero of a float to a 32-bit integer. Values beyond the
// integer range (huge or hand-edited numbers in the map files) saturate at
// the nearest limit and NaN gives 0, instead of the undefined conversion.
#include <cmath>
#include <limits>

inline int truncateToInt(float value) {
    if (std::isnan(value)) return 0;
    // 2^31 is exact in float; every float below it and at or above -2^31 fits.
    if (value >= 2147483648.f) return std::numeric_limits<int>::max();
    if (value < -2147483648.f) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}
