// The midpoint construction in the drawing panel: its resolution row and its green curve.
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "ScrollBar.h"
#include "TextObj.h"

namespace {

constexpr Colour GREEN = rgb(0, 255, 0);

class MidpointTest : public DrawingSceneFixture {
protected:
    MidpointTest() {
        createMidpoint(manager);
        bar = static_cast<ScrollBar*>(framePanel->controls.back());
        label = static_cast<TextObj*>(framePanel->objects.back());
        frameAt(0, 0);
    }
    // As the user sets it: the bar redraws the curve at once, without a frame.
    void setDepth(std::int32_t depth) { bar->handleMessage(WM_HSCROLL, makeWParam(SB_THUMBTRACK, depth), bar->handle); }

    ScrollBar* bar = nullptr;
    TextObj* label = nullptr;
};

TEST_F(MidpointTest, TheResolutionRowStepsByOneFromFiveAndFollowsThePanel) {
    EXPECT_EQ(headless->control(bar->handle)->scrollMax, 10);
    EXPECT_EQ(bar->position, 5);
    EXPECT_STREQ(label->text, "Curve Res:");
    for (const std::uint32_t request : {SB_LINERIGHT, SB_PAGERIGHT}) {
        bar->handleMessage(WM_HSCROLL, makeWParam(static_cast<std::uint16_t>(request), 0), bar->handle);
    }
    EXPECT_EQ(bar->position, 7);

    for (const std::int32_t clientWidth : {600, 800, 400}) {
        headless->resizeClient(clientWidth, clientWidth - 100);
        frameAt(0, 0);
        const std::int32_t bottom = TOP + clientWidth - 165;
        const HeadlessControl* native = headless->control(bar->handle);
        EXPECT_EQ(label->x, LEFT);
        EXPECT_EQ(label->y, bottom + 14);
        EXPECT_EQ(native->x, LEFT + 80);
        EXPECT_EQ(native->y, bottom + 10);
        EXPECT_EQ(native->width, clientWidth - 30 - 190);
    }
}

TEST_F(MidpointTest, EachDepthRedrawsTheCurveAtOnce) {
    // P0 (100, 400), P1 (300, 20), P2 (500, 400): depth 1 draws P0 - (200, 210) - B (300, 210)
    // and P2 - (400, 210) - B; the curve itself passes x 250 at y 221.9.
    clickIn(100, 400);
    clickIn(300, 20);
    clickIn(500, 400);
    setDepth(0);
    EXPECT_TRUE(shownNear(GREEN, 250, 115));  // on P0 P1
    setDepth(1);
    EXPECT_FALSE(shownNear(GREEN, 250, 115));
    EXPECT_TRUE(shownNear(GREEN, 250, 210));
    setDepth(8);
    EXPECT_FALSE(shownNear(GREEN, 250, 210));
    EXPECT_TRUE(shownNear(GREEN, 250, 221));
}

}  // namespace
