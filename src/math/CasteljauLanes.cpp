#include "CasteljauLanes.h"

#include <algorithm>

#include "WidestLanes.h"

namespace {

using Lanes = CasteljauLanes::Lanes;

// Leaves the curve point in row[0].
WIDEST_LANES void curvePoint(std::vector<Lanes>& row, const Lanes& t) {
    construct(row.data(), row.size(), t);
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
    curvePoint(xs, t);
    curvePoint(ys, t);
    for (std::size_t lane = 0; lane < LANES; ++lane) curvePoints[lane] = {xs[0][lane], ys[0][lane]};
}
