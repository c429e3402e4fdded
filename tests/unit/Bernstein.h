#pragma once
// The Bézier curve at t in Bernstein form, in doubles: a reference independent of splitting or interpolation.
#include <cmath>
#include <vector>

#include "Vec2.h"

inline Vec2 bernstein(const std::vector<Vec2>& polygon, double t) {
    const std::size_t degree = polygon.size() - 1;
    double x = 0.0, y = 0.0, binomial = 1.0;
    for (std::size_t i = 0; i <= degree; ++i) {
        const double weight = binomial * std::pow(t, double(i)) * std::pow(1.0 - t, double(degree - i));
        x += weight * polygon[i].x;
        y += weight * polygon[i].y;
        binomial = binomial * double(degree - i) / double(i + 1);
    }
    return {float(x), float(y)};
}
