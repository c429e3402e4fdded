#include "ScaledLength.h"

#include <cmath>
#include <cstdint>
#include <limits>

std::int32_t saturatedLength(double length) {
    if (std::isnan(length)) return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (length <= lowest) return std::numeric_limits<std::int32_t>::min();
    if (length >= highest) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(length);
}

std::int32_t scaledLength(std::int32_t reference, float factor) {
    return saturatedLength(static_cast<double>(reference) * static_cast<double>(factor));
}
