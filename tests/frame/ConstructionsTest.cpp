// The curves each construction draws, against values computed another way: "BB-Form" and "NLI"
// the Bézier curve (NLI with its shells), "Polynomial" and "Cubic Splines" curves through the
// points without the control polygon, the B-spline at its resolution.
#include "Bernstein.h"
#include "DrawingSceneFixture.h"

namespace {

class ConstructionsTest : public DrawingSceneFixture {
protected:
    // The points alone, placed by clicks.
    void place(const std::vector<Vec2>& points) {
        headless->click(control(0)->handle);  // "Clear"
        for (const Vec2& p : points) clickIn(static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y));
    }
    // Whether green shows within 2 pixels of the Bézier curve for t in [from, to].
    bool followsCurve(const std::vector<Vec2>& p, double from, double to) {
        for (double t = from; t <= to; t += 0.01)
            if (!shownNear(GREEN, bernstein(p, t).x, bernstein(p, t).y, 2)) return false;
        return true;
    }
};

const std::vector<Vec2> ARCH = {{50, 400}, {150, 40}, {400, 40}, {520, 380}};

// Resolution 1 with three points samples at steps of 2/3: the curve ends with the chord to t = 2/3.
TEST_F(ConstructionsTest, BBFormAndNLIDrawTheBezierCurveWithTheirSampleCount) {
    const std::vector<Vec2> triangle = {{50, 400}, {280, 20}, {520, 400}};
    for (const std::size_t tab : {BB_TAB, NLI_TAB}) {
        SCOPED_TRACE(testing::Message() << "tab " << tab);
        selectTab(tab);
        place(ARCH);
        if (tab == NLI_TAB) headless->click(control(2)->handle);  // no shells
        frameAt(0, 0);
        EXPECT_TRUE(followsCurve(ARCH, 0.03, 0.97));
        EXPECT_FALSE(shownNear(GREEN, 150, 40, 3)) << "the curve keeps off the polygon's corner";

        place(triangle);
        dragBar(framePanel->controls.size() - 1, 1);
        const Vec2 end = bernstein(triangle, 2.0 / 3.0);
        EXPECT_TRUE(shownNear(GREEN, (50 + end.x) / 2, (400 + end.y) / 2, 2));
        EXPECT_FALSE(shownNear(GREEN, bernstein(triangle, 0.85).x, bernstein(triangle, 0.85).y, 3));
    }
}

// At s = 0.5 the first level is (100, 220), (275, 40), (460, 210) and the second joins its
// midpoints; at either end the first level lies on the control polygon, grey over its black.
TEST_F(ConstructionsTest, ShellsFollowTheShellBarAndGoWithTheirBox) {
    selectTab(NLI_TAB);
    place(ARCH);
    EXPECT_TRUE(shownNear(SHELL_GREY, 143, 175) && shownNear(SHELL_GREY, 232, 129));
    EXPECT_TRUE(shownNear(BLUE, 275, 40));
    const Vec2 middle = bernstein(ARCH, 0.5);
    EXPECT_EQ(shownIn(static_cast<std::int32_t>(middle.x), static_cast<std::int32_t>(middle.y) + 4), BLUE);
    dragBar(1, 0);
    EXPECT_TRUE(shownNear(SHELL_GREY, 100, 220) && !shownNear(SHELL_GREY, 460, 210));
    dragBar(1, 1000);
    EXPECT_TRUE(shownNear(SHELL_GREY, 460, 210) && !shownNear(SHELL_GREY, 100, 220));

    headless->click(control(2)->handle);
    frameAt(0, 0);
    EXPECT_TRUE(shownNear(BLACK, 460, 210) && !shownNear(SHELL_GREY, 460, 210));
    EXPECT_TRUE(followsCurve(ARCH, 0.03, 0.97));
}

TEST_F(ConstructionsTest, PolynomialThroughFourPointsOfAParabolaHidesThePolygon) {
    selectTab(POLYNOMIAL_TAB);
    place({{100, 150}, {200, 50}, {300, 150}, {400, 450}});
    for (std::int32_t x = 110; x < 400; x += 5) {
        const bool clearOfMarkers = x % 100 > 8 && x % 100 < 92;
        EXPECT_TRUE(!clearOfMarkers || shownNear(GREEN, x, (x - 200) * (x - 200) / 100.0 + 50)) << "x " << x;
    }
    EXPECT_FALSE(shownNear(BLACK, 150, 100, 2)) << "the polygon is hidden";
    selectTab(BB_TAB);
    EXPECT_TRUE(shownNear(BLACK, 150, 100)) << "the polygon is back";
}

// x runs linearly and y has s''(1) = 900, so the spline passes (200, 193.75) and (400, 193.75)
// where the polygon passes (200, 250) and (400, 250); at resolution 1 it runs along the polygon.
TEST_F(ConstructionsTest, CubicPassesThroughThePointsInsteadOfAlongThePolygon) {
    selectTab(CUBIC_TAB);
    place({{100, 400}, {300, 100}, {500, 400}});
    for (const std::int32_t x : {200, 400}) {
        EXPECT_TRUE(shownNear(GREEN, x, 193)) << x;
        EXPECT_EQ(shownIn(x, 250), WHITE) << x;
    }
    dragBar(1, 1);
    EXPECT_TRUE(shownNear(GREEN, 200, 250) && !shownNear(GREEN, 200, 193));
}

// Twenty points in a zigzag, degree 2: the curve passes (P(i-1) + 6 P(i) + P(i+1)) / 8 at each
// inner point's x. Only samples as fine as resolution 19 reach each of those peaks.
TEST_F(ConstructionsTest, TheBSplineIsSampledFinerAsItsResolutionRises) {
    headless->click(control(2)->handle);  // no shells
    headless->typeText(control(5)->handle, "2");
    dragBar(3, 19);
    for (std::int32_t i = 0; i < 20; ++i) clickIn(30 + 25 * i, i % 2 == 0 ? 400 : 50);
    for (std::int32_t i = 1; i < 19; ++i)
        EXPECT_TRUE(shownNear(GREEN, 30 + 25 * i, i % 2 == 0 ? 2500 / 8.0 : 1100 / 8.0)) << "point " << i;
}

}  // namespace
