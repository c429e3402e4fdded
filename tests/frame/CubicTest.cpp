// The cubic-spline construction in the drawing panel: the hidden polygon, the curve through
// the points and its resolution bar.
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "ScrollBar.h"

namespace {

constexpr Colour GREEN = rgb(0, 255, 0);

using CubicTest = DrawingSceneFixture;

TEST_F(CubicTest, HidesThePolygonDrawsThroughThePointsAndFollowsItsBarAtOnce) {
    createCubic(manager);
    auto* bar = static_cast<ScrollBar*>(framePanel->controls.back());
    EXPECT_EQ(headless->control(bar->handle)->scrollMax, 20);
    EXPECT_EQ(bar->position, 10);
    // x runs linearly; y has s''(1) = 900, so the spline passes (200, 193.75) and (400, 193.75)
    // where the polygon passes (200, 250) and (400, 250).
    clickIn(100, 400);
    clickIn(300, 100);
    clickIn(500, 400);
    for (const std::int32_t x : {200, 400}) {
        EXPECT_TRUE(shownNear(GREEN, x, 193)) << x;
        EXPECT_EQ(shownIn(x, 250), rgb(255, 255, 255)) << x;
    }
    // One line per segment, at once: the curve runs along the polygon through the points.
    bar->handleMessage(WM_HSCROLL, makeWParam(SB_THUMBTRACK, 1), bar->handle);
    EXPECT_TRUE(shownNear(GREEN, 200, 250));
    EXPECT_FALSE(shownNear(GREEN, 200, 193));

    createMidpoint(manager);
    frameAt(0, 0);
    EXPECT_TRUE(shownNear(rgb(0, 0, 0), 200, 250));
}

}  // namespace
