#include <gtest/gtest.h>

#include "Vec2.h"

namespace {

TEST(Vec2Test, EveryStepRoundsToFloat) {
    Vec2 sum{16777216.0f, 0.0f};  // 2^24 + 1 is no float
    EXPECT_EQ(sum.add(Vec2{1.0f, 0.0f}).x, 16777216.0f);
    Vec2 product{16777215.0f, 0.0f};  // 50331645 rounds to a multiple of 4
    EXPECT_EQ(product.scale(3.0f).x, 50331644.0f);

    // b - a rounds to 2^24 + 4 before it is scaled, so the stepwise lerp differs from
    // a + (b - a) * s rounded once (8388610, 8388612 and 12582915).
    const struct {
        float a, b, s, expected;
    } lerps[] = {{1.0f, 16777220.0f, 0.5f, 8388611.0f},
                 {3.0f, 16777220.0f, 0.5f, 8388611.0f},
                 {1.0f, 16777220.0f, 0.75f, 12582916.0f},
                 {20.0f, 10.0f, 1.0f, 10.0f}};
    for (const auto& c : lerps) {
        Vec2 v{c.a, -c.a};
        v.lerp(Vec2{c.b, -c.b}, c.s);
        EXPECT_EQ(v.x, c.expected) << c.a << " to " << c.b << " at " << c.s;
        EXPECT_EQ(v.y, -c.expected) << c.a << " to " << c.b << " at " << c.s;
    }
}

}  // namespace
