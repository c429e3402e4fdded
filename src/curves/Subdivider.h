#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "Vec2.h"

// Splits a control polygon at the parameter one half (de Casteljau with ratio 0.5), again on
// each half, to a given depth, and hands every polygon of the last level to a sink: depth
// first, the left half of each split before its right half. A left half runs from the
// polygon's first point to the split point, a right half from its last point back to it.
class Subdivider {
public:
    using Sink = std::function<void(const Vec2* polygon, std::size_t count)>;

    Subdivider(std::size_t count, std::int32_t depth);
    void run(const Vec2* polygon, const Sink& sink);

private:
    void subdivide(const Vec2* polygon, std::int32_t depth, std::int32_t level, const Sink& sink);
    Vec2* half(std::int32_t level, std::size_t side);

    std::size_t count;
    std::int32_t depth;
    // Depth first, only one split per level is alive at a time: each level keeps its two
    // halves here and all levels share one work array, so a run allocates nothing more.
    std::vector<Vec2> halves;
    std::vector<Vec2> work;
};
