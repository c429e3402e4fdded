#include "BezierSampling.h"

float bezierStep(std::size_t pointCount, std::int32_t resolution) {
    const auto n = static_cast<std::int64_t>(pointCount);
    const std::int64_t samples = resolution != 0 ? resolution * n : n;
    return static_cast<float>(1.0 / (static_cast<double>(samples) * 0.5));
}
