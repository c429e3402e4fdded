#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Casteljau.h"
#include "Subdivider.h"

namespace {

// The last level's 2^d polygons of n points end at the curve points at t = k / 2^d, both curve ends included.
TEST(SubdividerTest, PolygonEndsAreTheCurvePointsAtDyadicParameters) {
    const std::vector<Vec2> wave{{10, 500}, {120, 20}, {260, 540}, {330, 90}, {480, 400}, {555, 15}, {20, 30}};
    for (const std::size_t n : {1u, 2u, 4u, 7u})
        for (std::int32_t depth = 0; depth <= 8; ++depth) {
            SCOPED_TRACE(testing::Message() << "n " << n << " depth " << depth);
            const std::vector<Vec2> polygon(wave.begin(), wave.begin() + n);
            std::vector<std::vector<Vec2>> leaves;
            const auto keep = [&](const Vec2* q, std::size_t count) { leaves.emplace_back(q, q + count); };
            Subdivider(n, depth).run(polygon.data(), keep);
            ASSERT_EQ(leaves.size(), std::size_t{1} << depth);
            std::vector<bool> reached(leaves.size() + 1, n == 1);  // one point: every t gives it
            for (const auto& leaf : leaves) {
                ASSERT_EQ(leaf.size(), n);
                for (const Vec2& end : {leaf.front(), leaf.back()}) {
                    bool onCurve = false;
                    for (std::size_t k = 0; k < reached.size(); ++k) {
                        const Vec2 c = casteljau(polygon, double(k) / leaves.size());
                        if (std::hypot(end.x - c.x, end.y - c.y) < 0.01) reached[k] = onCurve = true;
                    }
                    EXPECT_TRUE(onCurve);
                }
            }
            for (std::size_t k = 0; k < reached.size(); ++k)
                EXPECT_TRUE(reached[k]) << "t = " << k << "/" << leaves.size();
        }
}

}  // namespace
