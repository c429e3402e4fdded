// The cubic-spline construction in the drawing panel: the hidden polygon, the curve through
// the points and its resolution bar.
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "ScrollBar.h"

namespace {

class CubicTest : public DrawingSceneFixture {
protected:
    CubicTest() {
        createCubic(manager);
        bar = static_cast<ScrollBar*>(framePanel->controls.back());
        frameAt(0, 0);
    }
    void setResolution(std::int32_t r) { bar->handleMessage(WM_HSCROLL, makeWParam(SB_THUMBTRACK, r), bar->handle); }
    bool shownNear(Colour colour, std::int32_t x, std::int32_t y) {
        for (std::int32_t dy = -1; dy <= 1; ++dy)
            for (std::int32_t dx = -1; dx <= 1; ++dx)
                if (shownIn(x + dx, y + dy) == colour) return true;
        return false;
    }

    ScrollBar* bar = nullptr;
};

TEST_F(CubicTest, HidesThePolygonDrawsThroughThePointsAndFollowsItsBarAtOnce) {
    EXPECT_EQ(headless->control(bar->handle)->scrollMax, 20);
    EXPECT_EQ(bar->position, 10);
    // P0 (100, 400), P1 (300, 100), P2 (500, 400): x runs linearly; y has s''(1) = 900, so the
    // spline passes (200, 193.75) and (400, 193.75) where the polygon passes (200, 250), (400, 250).
    clickIn(100, 400);
    clickIn(300, 100);
    clickIn(500, 400);
    EXPECT_EQ(manager->showPolygon, 0);
    for (const std::int32_t x : {200, 400}) {
        EXPECT_TRUE(shownNear(rgb(0, 255, 0), x, 193)) << x;
        EXPECT_EQ(shownIn(x, 250), rgb(255, 255, 255)) << x;
    }
    // One line per segment: the curve runs along the polygon through the points themselves.
    setResolution(1);
    EXPECT_TRUE(shownNear(rgb(0, 255, 0), 200, 250));
    EXPECT_FALSE(shownNear(rgb(0, 255, 0), 200, 193));

    createMidpoint(manager);
    frameAt(0, 0);
    EXPECT_EQ(manager->showPolygon, 1);
    EXPECT_TRUE(shownNear(rgb(0, 0, 0), 200, 250));
}

}  // namespace
