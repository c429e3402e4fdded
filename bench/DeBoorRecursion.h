#pragma once
// De Boor's recurrence as written (2^d calls): the reference the curve's shared levels match bit for bit.
#include <vector>

#include "DeBoorCurve.h"

inline Vec2 deBoorRecursion(const DeBoorCurve& curve, const std::vector<Vec2>& points, float x, std::int32_t i,
                            std::int32_t r) {
    if (r == 0) return points[static_cast<std::size_t>(i)];
    const std::int32_t d = curve.degree();
    const float right = curve.knots()[i + d - r + 1], left = curve.knots()[i];
    const float alpha = (x - left) / (right - left), beta = (right - x) / (right - left);
    Vec2 lower = deBoorRecursion(curve, points, x, i - 1, r - 1);
    return deBoorRecursion(curve, points, x, i, r - 1).scale(alpha).add(lower.scale(beta));
}
