// "Cubic Splines" draws the natural cubic spline through the points without the polygon;
// "DeBoor Splines" draws the B-spline with its shells.
#include "DrawingSceneFixture.h"

namespace {

using SplineTest = DrawingSceneFixture;

TEST_F(SplineTest, CubicPassesThroughThePointsInsteadOfAlongThePolygon) {
    selectTab(CUBIC_TAB);
    // x runs linearly; y has s''(1) = 900, so the spline passes (200, 193.75) and (400, 193.75)
    // where the polygon passes (200, 250) and (400, 250).
    clickIn(100, 400);
    clickIn(300, 100);
    clickIn(500, 400);
    for (const std::int32_t x : {200, 400}) {
        EXPECT_TRUE(shownNear(GREEN, x, 193)) << x;
        EXPECT_EQ(shownIn(x, 250), WHITE) << x;
    }
    // One line per segment: the curve runs along the polygon through the points.
    dragBar(1, 1);
    EXPECT_TRUE(shownNear(GREEN, 200, 250));
    EXPECT_FALSE(shownNear(GREEN, 200, 193));
}

TEST_F(SplineTest, FourPointsDrawAUniformCubicSegmentWithItsShells) {
    const auto countInPanel = [&](Colour colour) {
        std::int32_t count = 0;
        for (std::int32_t y = 0; y < drawingPanel->height; ++y)
            for (std::int32_t x = 0; x < drawingPanel->width; ++x) count += drawingPanel->bitmap().pixel(x, y) == colour;
        return count;
    };
    for (const auto& [x, y] : {std::pair{100, 400}, {200, 100}, {400, 100}}) clickIn(x, y);
    EXPECT_EQ(countInPanel(GREEN), 0) << "three points are too few for degree 3";
    clickIn(500, 430);
    // From (p0 + 4 p1 + p2) / 6 to (p1 + 4 p2 + p3) / 6; the large dot at the middle,
    // (p0 + 23 p1 + 23 p2 + p3) / 48, and the level-1 points p(j-1) + (3.5 - j) / 3 (p(j) - p(j-1)).
    EXPECT_TRUE(shownNear(GREEN, 1300.0 / 6, 900.0 / 6) && shownNear(GREEN, 2300.0 / 6, 930.0 / 6));
    for (const auto& [x, y] : {std::pair{300, 113}, {183, 150}, {300, 100}, {416, 155}}) EXPECT_EQ(shownIn(x, y), BLUE);
    headless->click(control(2)->handle);
    frameAt(0, 0);
    EXPECT_EQ(countInPanel(BLUE) + countInPanel(SHELL_GREY), 0);
}

}  // namespace
