#include "BezierSampling.h"

#include "ControlPoint.h"

float bezierStep(std::size_t pointCount, std::int32_t resolution) {
    const auto n = static_cast<std::int64_t>(pointCount);
    const std::int64_t samples = resolution != 0 ? resolution * n : n;
    return static_cast<float>(1.0 / (static_cast<double>(samples) * 0.5));
}

void readPolygon(const std::vector<ControlPoint*>& points, std::vector<Vec2>& polygon) {
    polygon.resize(points.size());
    for (std::size_t j = 0; j < points.size(); ++j) polygon[j] = points[j]->position();
}
