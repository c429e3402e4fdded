#pragma once
#include <array>
#include <cstddef>
#include <vector>

#include "Vec2.h"

// De Casteljau's construction for several parameters side by side. Every parameter takes the
// same float steps as the lerp step of Vec2, in the same order, so each curve point is bit for
// bit the one of the construction run alone; the points of one level sit in a row per
// parameter group, which the compiler's vector lanes carry.
class CasteljauLanes {
public:
    static constexpr std::size_t LANES = 8;

    // The curve points of the polygon at the parameters, LANES of them.
    void run(const std::vector<Vec2>& polygon, const float* parameters, Vec2* curvePoints);

private:
    using Lanes = std::array<float, LANES>;
    std::vector<Lanes> xs, ys;
};
