#pragma once
#include <cstdint>
#include <vector>

#include "Vec2.h"

// The Bézier curve point as the sum of the control points weighted by the Bernstein
// polynomials: the weights in 64 bits, the sums in 32. The weights are formed as ratios of
// neighbouring weights starting from the largest and divided by their sum, so nothing
// underflows or overflows at any degree: float powers of t underflow from a few hundred
// points on, and a binomial coefficient passes the largest double from degree 1030.
class BernsteinSum {
public:
    // The curve point at t, with 1 - t formed exactly; t may pass 1 a little (the sampled
    // parameters run to 1.0001), which gives the weights alternating signs.
    Vec2 at(const std::vector<Vec2>& points, float t);

private:
    void formWeights(std::int32_t degree, float t);

    std::vector<double> weights;
};
