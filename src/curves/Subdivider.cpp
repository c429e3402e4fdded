#include "Subdivider.h"

#include <algorithm>

#include "WidestLanes.h"

// A depth below 0 draws like depth 0.
Subdivider::Subdivider(std::size_t pointCount, std::int32_t levels)
    : count(pointCount), depth(std::max(levels, 0)), halves(2 * count * static_cast<std::size_t>(depth)),
      work(count) {}

void Subdivider::run(const Vec2* polygon, const Sink& sink) {
    if (count != 0) subdivide(polygon, depth, 0, sink);
}

WIDEST_LANES void Subdivider::subdivide(const Vec2* polygon, std::int32_t remaining, std::int32_t level, const Sink& sink) {
    if (remaining == 0) {
        sink(polygon, count);
        return;
    }
    std::copy(polygon, polygon + count, work.begin());
    Vec2* left = half(level, 0);
    Vec2* right = half(level, 1);
    left[0] = work[0];
    right[0] = work[count - 1];
    // Pass k leaves the next level of midpoints in work[0 .. k-1].
    for (std::size_t k = count - 1; k >= 1; --k) {
        for (std::size_t j = 0; j < k; ++j) work[j].lerp(work[j + 1], 0.5f);
        left[count - k] = work[0];
        right[count - k] = work[k - 1];
    }
    subdivide(left, remaining - 1, level + 1, sink);
    subdivide(right, remaining - 1, level + 1, sink);
}

Vec2* Subdivider::half(std::int32_t level, std::size_t side) {
    return &halves[(2 * static_cast<std::size_t>(level) + side) * count];
}
