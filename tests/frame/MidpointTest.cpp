// The midpoint construction: its resolution steps and the green curve at each depth.
#include "DrawingSceneFixture.h"
#include "ScrollBar.h"

namespace {

class MidpointTest : public DrawingSceneFixture {
protected:
    MidpointTest() { selectTab(MIDPOINT_TAB); }
};

TEST_F(MidpointTest, TheResolutionStepsByOne) {
    for (const std::uint32_t request : {SB_LINERIGHT, SB_PAGERIGHT}) headless->scroll(control(1)->handle, request);
    frameAt(0, 0);
    EXPECT_EQ(static_cast<ScrollBar*>(control(1))->position, 7);
}

TEST_F(MidpointTest, EachDepthRedrawsTheCurve) {
    // P0 (100, 400), P1 (300, 20), P2 (500, 400): depth 1 draws P0 - (200, 210) - B (300, 210)
    // and P2 - (400, 210) - B; the curve itself passes x 250 at y 221.9.
    clickIn(100, 400);
    clickIn(300, 20);
    clickIn(500, 400);
    dragBar(1, 0);
    EXPECT_TRUE(shownNear(GREEN, 250, 115));  // on P0 P1
    dragBar(1, 1);
    EXPECT_FALSE(shownNear(GREEN, 250, 115));
    EXPECT_TRUE(shownNear(GREEN, 250, 210));
    dragBar(1, 8);
    EXPECT_FALSE(shownNear(GREEN, 250, 210));
    EXPECT_TRUE(shownNear(GREEN, 250, 221));
}

}  // namespace
