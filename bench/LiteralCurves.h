#pragma once
// The constructions' literal forms, the references that the tests and the benchmarks hold the
// program's own forms against: Newton's sums with the nodes 0, 1, 2, ... and every product
// formed afresh, Bernstein weights from float powers and Pascal's triangle, de Casteljau's
// construction for one parameter at a time, and De Boor's recurrence with its 2^d calls.
#include <cstdint>
#include <vector>

#include "DeBoorCurve.h"
#include "Vec2.h"

// The Newton coefficients f[0..k] of one coordinate of the points at 0, 1, ..., n - 1.
inline std::vector<double> literalNewtonCoefficients(const std::vector<Vec2>& points, float Vec2::*axis) {
    std::vector<double> values;
    for (const Vec2& p : points) values.push_back(p.*axis);
    std::vector<double> coefficients{values[0]};
    for (std::size_t order = 1; order < values.size(); ++order) {
        for (std::size_t j = 0; j + order < values.size(); ++j) values[j] = (values[j + 1] - values[j]) / order;
        coefficients.push_back(values[0]);
    }
    return coefficients;
}

inline double literalNewton(const std::vector<double>& coefficients, double t) {
    double sum = coefficients[0];
    for (std::size_t k = 1; k < coefficients.size(); ++k) {
        double product = 1.0;
        for (std::size_t f = k; f-- > 0;) product *= t - static_cast<double>(f);
        sum += product * coefficients[k];
    }
    return sum;
}

inline float literalPower(float x, std::int32_t e) {
    float result = 1.0f;
    for (; e != 0; e >>= 1) {
        if ((e & 1) != 0) result *= x;
        x *= x;
    }
    return result;
}

inline std::vector<double> pascalRow(std::size_t degree) {
    std::vector<double> row{1.0};
    for (std::size_t k = 1; k <= degree; ++k) {
        for (std::size_t j = k - 1; j >= 1; --j) row[j] += row[j - 1];
        row.push_back(1.0);
    }
    return row;
}

// The Bernstein sum at t with the weights (c u^(d-i)) t^i, row: pascalRow(d).
inline Vec2 literalBernstein(const std::vector<Vec2>& points, const std::vector<double>& row, float t) {
    const auto degree = static_cast<std::int32_t>(points.size()) - 1;
    const float u = 1.0f - t;
    Vec2 sum;
    for (std::int32_t i = 0; i <= degree; ++i) {
        const double weight = (row[i] * literalPower(u, degree - i)) * literalPower(t, i);
        sum.x += static_cast<float>(points[i].x * weight);
        sum.y += static_cast<float>(points[i].y * weight);
    }
    return sum;
}

inline Vec2 literalCasteljau(std::vector<Vec2> work, float t) {
    for (std::size_t m = work.size(); m >= 2; --m)
        for (std::size_t k = 0; k + 2 <= m; ++k) work[k].lerp(work[k + 1], t);
    return work[0];
}

inline Vec2 deBoorRecursion(const DeBoorCurve& curve, const std::vector<Vec2>& points, float x, std::int32_t i,
                            std::int32_t r) {
    if (r == 0) return points[static_cast<std::size_t>(i)];
    const std::int32_t d = curve.degree();
    const float right = curve.knots()[i + d - r + 1], left = curve.knots()[i];
    const float alpha = (x - left) / (right - left), beta = (right - x) / (right - left);
    Vec2 lower = deBoorRecursion(curve, points, x, i - 1, r - 1);
    return deBoorRecursion(curve, points, x, i, r - 1).scale(alpha).add(lower.scale(beta));
}
