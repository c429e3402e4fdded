#include "CasteljauLanes.h"

#include <algorithm>

#include "WidestLanes.h"

namespace {

using Lanes = CasteljauLanes::Lanes;

// The steps are inlined into the construction, so they are built for each processor it is.
#define INLINED __attribute__((always_inline)) inline

// The lerp step of every lane: a + (b - a) t, rounded to float after each operation.
INLINED Lanes lerp(const Lanes& a, const Lanes& b, const Lanes& t) {
    Lanes result;
    for (std::size_t lane = 0; lane < CasteljauLanes::LANES; ++lane) result[lane] = a[lane] + (b[lane] - a[lane]) * t[lane];
    return result;
}

// Raises the first m values of a row LEVELS levels of the construction in one pass: each value
// climbs the levels in registers and only the top one is stored, m - LEVELS values in all.
// carried[l] is the last value of level l met.
template <std::size_t LEVELS>
INLINED void raise(Lanes* row, std::size_t m, const Lanes& t) {
    Lanes carried[LEVELS];
    for (std::size_t j = 0; j < LEVELS; ++j) {
        Lanes value = row[j];
        for (std::size_t l = 0; l < j; ++l) {
            const Lanes up = lerp(carried[l], value, t);
            carried[l] = value;
            value = up;
        }
        carried[j] = value;
    }
    for (std::size_t j = LEVELS; j < m; ++j) {
        Lanes value = row[j];
        for (std::size_t l = 0; l < LEVELS; ++l) {
            const Lanes up = lerp(carried[l], value, t);
            carried[l] = value;
            value = up;
        }
        row[j - LEVELS] = value;
    }
}

// Four levels a pass: a value is loaded and stored once per four lerp steps, not once per step.
constexpr std::size_t LEVELS_PER_PASS = 4;

// Leaves the curve point in row[0].
WIDEST_LANES void construct(std::vector<Lanes>& row, const Lanes& t) {
    std::size_t m = row.size();
    for (; m > LEVELS_PER_PASS; m -= LEVELS_PER_PASS) raise<LEVELS_PER_PASS>(row.data(), m, t);
    for (; m > 1; --m) raise<1>(row.data(), m, t);
}

}  // namespace

void CasteljauLanes::run(const std::vector<Vec2>& polygon, const float* parameters, Vec2* curvePoints) {
    const std::size_t n = polygon.size();
    if (n == 0) return;
    xs.resize(n);
    ys.resize(n);
    for (std::size_t j = 0; j < n; ++j) {
        xs[j].fill(polygon[j].x);
        ys[j].fill(polygon[j].y);
    }
    Lanes t;
    std::copy(parameters, parameters + LANES, t.begin());
    construct(xs, t);
    construct(ys, t);
    for (std::size_t lane = 0; lane < LANES; ++lane) curvePoints[lane] = {xs[0][lane], ys[0][lane]};
}
