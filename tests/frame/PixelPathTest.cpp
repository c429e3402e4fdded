#include <gtest/gtest.h>

#include <limits>

#include "Panel.h"
#include "PixelPath.h"
#include "Saturate.h"
#include "Surface.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN(), INF = std::numeric_limits<double>::infinity();

TEST(PixelPathTest, PixelsTruncateTowardZeroAndSaturateAndNonFiniteSegmentsAreLeftOut) {
    for (auto [value, expected] : {std::pair<double, std::int32_t>{12.9, 12}, {-0.5, 0}, {-12.9, -12}, {3e9, INT32_MAX},
                                   {2147483520.0, 2147483520}, {-3e9, INT32_MIN}, {INF, INT32_MAX}, {-INF, INT32_MIN},
                                   {NaN, 0}})
        EXPECT_EQ(saturateToInt32(value), expected) << value;

    // Non-finite segments are left out; saturated ends must not wrap round to the other side.
    Panel panel(nullptr, 40, 40);
    PixelPath path(panel, CURVE_PEN_WIDTH, CURVE_COLOUR);
    for (auto [x, y] : {std::pair{NaN, 10.0}, {10.0, NaN}, {INF, 10.0}, {10.0, -INF}}) {
        path.moveTo(10.0, 10.0);
        path.lineTo(x, y);
        path.lineTo(10.0, 30.0);
    }
    const auto greenAt = [&](std::int32_t x, std::int32_t y) { return panel.bitmap().pixel(x, y) == rgb(0, 255, 0); };
    for (std::int32_t y = 0; y < 40; ++y) EXPECT_FALSE(greenAt(10, y)) << y;
    path.moveTo(20.0, 5.0);
    path.lineTo(1e30, 5.0);
    path.moveTo(20.0, 30.0);
    path.lineTo(-1e30, 30.0);
    EXPECT_TRUE(greenAt(39, 5) && !greenAt(10, 5) && greenAt(0, 30));
}

}  // namespace
