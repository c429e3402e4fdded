#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

// A double to int32, truncated toward zero. A plain conversion of a value beyond the int32
// range is undefined, so those saturate; NaN gives 0.
inline std::int32_t saturateToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    if (value >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    return static_cast<std::int32_t>(value);
}

// An int64, such as a sum or difference of int32 coordinates, held within the int32 range.
inline std::int32_t saturateToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// A double to int32 as saturateToInt32, then held within [low, high].
inline std::int32_t clampToInt32(double value, std::int32_t low, std::int32_t high) {
    return std::clamp(saturateToInt32(value), low, high);
}
