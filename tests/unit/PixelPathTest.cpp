#include <gtest/gtest.h>

#include <limits>

#include "Panel.h"
#include "PixelPath.h"
#include "Saturate.h"
#include "Surface.h"

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float INF = std::numeric_limits<float>::infinity();

TEST(PixelPathTest, PixelsAreTruncatedTowardZeroAndSaturate) {
    const struct {
        double value;
        std::int32_t expected;
    } cases[] = {{12.9, 12},        {-0.5, 0},         {-12.9, -12},    {2147483520.0, 2147483520},
                 {3e9, INT32_MAX},  {-3e9, INT32_MIN}, {INF, INT32_MAX}, {-INF, INT32_MIN}, {NaN, 0}};
    for (const auto& c : cases) EXPECT_EQ(saturateToInt32(c.value), c.expected) << c.value;
}

TEST(PixelPathTest, LeavesOutNonFiniteSegmentsAndClipsFarAwayOnes) {
    Panel panel(nullptr, 40, 40);
    panel.red = panel.green = panel.blue = 255;
    panel.clear();
    PixelPath path(panel, CURVE_PEN_WIDTH, CURVE_COLOUR);
    const auto greenAt = [&](std::int32_t x, std::int32_t y) { return panel.bitmap().pixel(x, y) == rgb(0, 255, 0); };

    for (const Vec2& bad : {Vec2{NaN, 10.0f}, Vec2{10.0f, NaN}, Vec2{INF, 10.0f}, Vec2{10.0f, -INF}}) {
        path.moveTo({10.0f, 10.0f});
        path.lineTo(bad);
        path.lineTo({10.0f, 30.0f});
    }
    for (std::int32_t y = 0; y < 40; ++y) EXPECT_FALSE(greenAt(10, y)) << y;

    // Saturated ends must not wrap round to the other side.
    path.moveTo({20.0f, 5.0f});
    path.lineTo({1e30f, 5.0f});
    path.moveTo({20.0f, 30.0f});
    path.lineTo({-1e30f, 30.0f});
    EXPECT_TRUE(greenAt(39, 5));
    EXPECT_FALSE(greenAt(10, 5));
    EXPECT_TRUE(greenAt(0, 30));
}

}  // namespace
