#pragma once
#include <cstddef>
#include <vector>

#include "FloatLanes.h"
#include "Vec2.h"

// De Casteljau's construction for several parameters side by side. Every parameter takes the
// same float steps as the lerp step of Vec2, in the same order, so each curve point is bit for
// bit the one of the construction run alone: x and y each in a row of lane groups, one value
// of a level per group, which the compiler's vector lanes carry.
class CasteljauLanes {
public:
    static constexpr std::size_t LANES = FLOAT_LANES;
    using Lanes = FloatLanes;

    // The curve points of the polygon at the parameters, LANES of them.
    void run(const std::vector<Vec2>& polygon, const float* parameters, Vec2* curvePoints);

private:
    std::vector<Lanes> xs, ys;
};
