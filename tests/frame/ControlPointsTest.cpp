// Placing, grabbing, dragging and clamping control points in the drawing panel (570 x 450
// while the B-spline is the construction).
#include "DrawingSceneFixture.h"

namespace {

class ControlPointsTest : public DrawingSceneFixture {
protected:
    void expectAt(std::size_t index, std::int32_t x, std::int32_t y) {
        EXPECT_EQ(std::make_pair(point(index).x, point(index).y), std::make_pair(x, y)) << "point " << index;
    }
};

TEST_F(ControlPointsTest, APressWithinTheRadiusGrabsThePointInsteadOfPlacingOne) {
    const struct {
        std::int32_t dx, dy;
        bool hits;
    } cases[] = {{6, 0, true}, {0, -6, true}, {-4, -4, true}, {5, 4, false}, {6, 1, false}};
    for (const auto& c : cases) {
        ControlManager::clear(manager);
        clickIn(200, 200);
        pressIn(200 + c.dx, 200 + c.dy);
        EXPECT_EQ(manager->points.size(), c.hits ? 1u : 2u) << c.dx << ", " << c.dy;
        EXPECT_EQ(point(0).dragging, c.hits ? 1 : 0) << c.dx << ", " << c.dy;
        releaseIn(200 + c.dx, 200 + c.dy);
    }
}

TEST_F(ControlPointsTest, ADraggedPointShowsGreenAndTurnsRedAtTheFrameOfItsRelease) {
    clickIn(200, 200);
    pressIn(200, 200);
    moveIn(230, 210);
    EXPECT_EQ(shownIn(230, 210), GREEN);
    releaseIn(230, 210);
    EXPECT_EQ(shownIn(230, 210), RED);
}

TEST_F(ControlPointsTest, OverlappingPointsDragTogetherKeepingTheirOffsets) {
    clickIn(100, 100);
    clickIn(120, 100);
    pressIn(120, 100);
    moveIn(108, 100);
    releaseIn(108, 100);

    pressIn(104, 100);
    moveIn(204, 150);
    EXPECT_EQ(manager->points.size(), 2u);
    expectAt(0, 200, 150);
    expectAt(1, 208, 150);
}

TEST_F(ControlPointsTest, PointsStaySixPixelsInsideThePanel) {
    // In the corner the clamp moves the point out of reach (6^2 + 6^2 > 36).
    pressIn(0, 0);
    expectAt(0, 6, 6);
    EXPECT_EQ(point(0).dragging, 0);
    releaseIn(0, 0);

    // A drag leaving the panel, even the window, holds the point inside; a release anywhere ends it.
    clickIn(300, 300);
    pressIn(300, 300);
    frameAt(-500, 2000);
    expectAt(1, 6, 444);
    frameAt(5000, -100);
    expectAt(1, 564, 6);
    release(5000, -100);
    moveIn(100, 100);
    expectAt(1, 564, 6);

    // A smaller panel pulls the points in.
    headless->resizeClient(300, 300);
    moveIn(0, 0);
    expectAt(0, 6, 6);
    expectAt(1, 264, 6);
}

}  // namespace
