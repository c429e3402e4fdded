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

// A grab keeps its offset, so overlapping points move together; the dragged one shows green
// and turns red in the frame of its release.
TEST_F(ControlPointsTest, DraggedPointsKeepTheirOffsetsAndShowGreenUntilReleased) {
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
    EXPECT_EQ(shownIn(212, 150), GREEN);
    releaseIn(204, 150);
    EXPECT_EQ(shownIn(212, 150), RED);
}

TEST_F(ControlPointsTest, PointsStaySixPixelsInsideThePanel) {
    pressIn(0, 0);  // clamped to (6, 6), out of the press's reach
    expectAt(0, 6, 6);
    EXPECT_EQ(point(0).dragging, 0);
    releaseIn(0, 0);

    // A drag beyond the panel, even the window, holds the point inside; a release anywhere ends it.
    clickIn(300, 300);
    pressIn(300, 300);
    frameAt(-500, 2000);
    expectAt(1, 6, 444);
    frameAt(5000, -100);
    expectAt(1, 564, 6);
    release(5000, -100);
    moveIn(100, 100);
    expectAt(1, 564, 6);

    headless->resizeClient(300, 300);  // a smaller panel pulls the points in
    moveIn(0, 0);
    expectAt(0, 6, 6);
    expectAt(1, 264, 6);
}

}  // namespace
