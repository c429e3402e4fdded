#include "BernsteinSum.h"

#include <algorithm>
#include <cmath>

Vec2 BernsteinSum::at(const std::vector<Vec2>& points, float t) {
    formWeights(static_cast<std::int32_t>(points.size()) - 1, t);
    Vec2 sum;
    for (std::size_t i = 0; i < points.size(); ++i) {
        sum.x += static_cast<float>(points[i].x * weights[i]);
        sum.y += static_cast<float>(points[i].y * weights[i]);
    }
    return sum;
}

void BernsteinSum::formWeights(std::int32_t degree, float t) {
    const double s = t, u = 1.0 - s;  // exact: s is a float
    weights.assign(static_cast<std::size_t>(degree) + 1, 0.0);
    // The largest weight sits at the mode of the binomial distribution of s / (s + |u|); from
    // there every ratio to the next weight outwards is at most 1 in size.
    const auto top = std::min(degree, static_cast<std::int32_t>((degree + 1) * (s / (s + std::abs(u)))));
    weights[static_cast<std::size_t>(top)] = 1.0;
    double sum = 1.0;
    for (std::int32_t i = top; i < degree && weights[static_cast<std::size_t>(i)] != 0.0; ++i) {
        const double ratio = ((degree - i) * s) / ((i + 1) * u);
        sum += weights[static_cast<std::size_t>(i) + 1] = weights[static_cast<std::size_t>(i)] * ratio;
    }
    for (std::int32_t i = top; i > 0 && weights[static_cast<std::size_t>(i)] != 0.0; --i) {
        const double ratio = (i * u) / ((degree - i + 1) * s);
        sum += weights[static_cast<std::size_t>(i) - 1] = weights[static_cast<std::size_t>(i)] * ratio;
    }
    // The weights sum to (s + u)^degree = 1.
    const double scale = 1.0 / sum;
    for (double& weight : weights) weight *= scale;
}
