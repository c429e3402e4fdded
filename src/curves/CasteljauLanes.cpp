#include "CasteljauLanes.h"

#include <algorithm>

void CasteljauLanes::run(const std::vector<Vec2>& polygon, const float* parameters, Vec2* curvePoints) {
    const std::size_t n = polygon.size();
    xs.resize(n);
    ys.resize(n);
    for (std::size_t j = 0; j < n; ++j) {
        xs[j].fill(polygon[j].x);
        ys[j].fill(polygon[j].y);
    }
    Lanes t;
    std::copy(parameters, parameters + LANES, t.begin());
    for (std::size_t m = n; m >= 2; --m)
        for (std::size_t k = 0; k + 2 <= m; ++k) {
            Lanes& x = xs[k];
            Lanes& y = ys[k];
            const Lanes& nextX = xs[k + 1];
            const Lanes& nextY = ys[k + 1];
            for (std::size_t lane = 0; lane < LANES; ++lane) {
                x[lane] += (nextX[lane] - x[lane]) * t[lane];
                y[lane] += (nextY[lane] - y[lane]) * t[lane];
            }
        }
    for (std::size_t lane = 0; lane < LANES && n != 0; ++lane) curvePoints[lane] = {xs[0][lane], ys[0][lane]};
}
