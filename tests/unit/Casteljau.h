#pragma once
// The Bézier curve at t by de Casteljau's construction in long double: a reference independent of
// the program's float forms, its subdivision and its Bernstein sums.
#include <vector>

#include "Vec2.h"

inline Vec2 casteljau(const std::vector<Vec2>& polygon, long double t) {
    std::vector<long double> x, y;
    for (const Vec2& p : polygon) x.push_back(p.x), y.push_back(p.y);
    for (std::size_t m = polygon.size(); m >= 2; --m)
        for (std::size_t k = 0; k + 1 < m; ++k) x[k] += (x[k + 1] - x[k]) * t, y[k] += (y[k + 1] - y[k]) * t;
    return {static_cast<float>(x[0]), static_cast<float>(y[0])};
}
