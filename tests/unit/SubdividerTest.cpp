#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Bernstein.h"
#include "Subdivider.h"

namespace {

using Polygon = std::vector<Vec2>;

std::vector<Polygon> subdivide(const Polygon& polygon, std::int32_t depth) {
    std::vector<Polygon> leaves;
    Subdivider(polygon.size(), depth).run(polygon.data(), [&](const Vec2* q, std::size_t count) {
        leaves.emplace_back(q, q + count);
    });
    return leaves;
}

const Polygon wave{{10, 500}, {120, 20}, {260, 540}, {330, 90}, {480, 400}, {555, 15}, {20, 30}};

// The last level has 2^d polygons of n points, the first starting at P0; their ends are the
// curve points at t = k / 2^d, both ends of the curve included.
TEST(SubdividerTest, PolygonEndsAreTheCurvePointsAtDyadicParameters) {
    for (const std::size_t n : {1u, 2u, 4u, 7u}) {
        const Polygon polygon(wave.begin(), wave.begin() + n);
        for (std::int32_t depth = 0; depth <= 8; ++depth) {
            const auto leaves = subdivide(polygon, depth);
            const std::size_t segments = std::size_t{1} << depth;
            ASSERT_EQ(leaves.size(), segments);
            EXPECT_EQ(std::make_pair(leaves[0][0].x, leaves[0][0].y), std::make_pair(polygon[0].x, polygon[0].y));
            std::vector<bool> reached(segments + 1, false);
            for (const Polygon& leaf : leaves) {
                ASSERT_EQ(leaf.size(), n);
                for (const Vec2& end : {leaf.front(), leaf.back()}) {
                    bool onCurve = false;
                    for (std::size_t k = 0; k <= segments; ++k) {
                        const Vec2 c = bernstein(polygon, double(k) / segments);
                        if (std::hypot(end.x - c.x, end.y - c.y) < 0.01f) reached[k] = onCurve = true;
                    }
                    EXPECT_TRUE(onCurve) << "n " << n << " depth " << depth;
                }
            }
            for (std::size_t k = 0; k <= segments; ++k)
                EXPECT_TRUE(reached[k] || n == 1) << "t = " << k << "/" << segments;
        }
    }
}

}  // namespace
