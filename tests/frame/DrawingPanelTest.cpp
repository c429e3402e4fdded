// Clicks in the drawing panel (570 x 450 with the B-spline): points placed, grabbed, dragged and clamped, and the
// curves each construction draws through them, against values computed another way; thousands of points in every
// construction (the random runs also shrink the panel to one pixel and to none, and type degrees of 10^9 and beyond).
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Casteljau.h"
#include "DrawingSceneFixture.h"

namespace {

const std::vector<Vec2> ARCH = {{50, 400}, {150, 40}, {400, 40}, {520, 380}};

struct DrawingPanelTest : DrawingSceneFixture {
    void expectAt(std::size_t index, std::int32_t x, std::int32_t y) {
        EXPECT_EQ(std::make_pair(point(index).x, point(index).y), std::make_pair(x, y)) << "point " << index;
    }
    void place(const std::vector<Vec2>& points) {
        headless->click(control(0)->handle);  // "Clear"
        for (const Vec2& p : points) clickIn(static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y));
    }
};

TEST_F(DrawingPanelTest, APressWithinTheRadiusGrabsThePointInsteadOfPlacingOne) {
    const struct { int dx, dy, hits; } cases[] = {{6, 0, 1}, {0, -6, 1}, {-4, -4, 1}, {5, 4, 0}, {6, 1, 0}};
    for (const auto& c : cases) {
        ControlManager::clear(manager);
        clickIn(200, 200);
        pressIn(200 + c.dx, 200 + c.dy);
        const int points = static_cast<int>(manager->points.size());
        EXPECT_EQ(std::make_pair(points, point(0).dragging), std::make_pair(2 - c.hits, c.hits)) << c.dx << "," << c.dy;
        releaseIn(200 + c.dx, 200 + c.dy);
    }
}

// A grab keeps its offset, so overlapping points move together, green until the frame of release.
TEST_F(DrawingPanelTest, DraggedPointsKeepTheirOffsetsAndShowGreenUntilReleased) {
    for (const std::int32_t x : {100, 108}) clickIn(x, 100);  // out of each other's reach, overlapping
    pressIn(104, 100);
    moveIn(204, 150);
    EXPECT_EQ(manager->points.size(), 2u);
    expectAt(0, 200, 150);
    expectAt(1, 208, 150);
    EXPECT_EQ(shownIn(212, 150), GREEN);
    releaseIn(204, 150);
    EXPECT_EQ(shownIn(212, 150), RED);
}

// Held still (just grabbed, mid-panel, at an edge), a point redraws nothing; the panel shows what a redraw would.
TEST_F(DrawingPanelTest, APointHeldStillRedrawsNothing) {
    place(ARCH);
    pressIn(152, 43);
    for (const auto& [x, y] : {std::pair{152, 43}, {300, 203}, {-500, 2000}}) {
        moveIn(x, y);
        const std::vector<Colour> held = shown(true);
        drawingPanel->fillRect(0, 0, 1, 1, 0, 0, 255);
        moveIn(x, y);
        EXPECT_EQ(drawingPanel->bitmap().pixel(0, 0), BLUE) << x << "," << y;
        drawingPanel->dirty = 1;
        moveIn(x, y);
        EXPECT_TRUE(shown(true) == held) << x << "," << y;
    }
}

// The panel's edges count as inside, no pixel beyond; the clamp at the far ones puts the point out of reach.
TEST_F(DrawingPanelTest, PointsStaySixPixelsInsideThePanel) {
    for (const auto& [x, y] : {std::pair{-1, 100}, {100, -1}, {571, 100}, {100, 451}}) clickIn(x, y);
    pressIn(570, 450);
    expectAt(0, 564, 444);
    EXPECT_EQ(point(0).dragging, 0);
    releaseIn(570, 450);

    // A drag beyond the panel, even the window, holds the point inside; a release anywhere ends it.
    clickIn(300, 300);
    pressIn(300, 300);
    frameAt(-500, 2000);
    expectAt(1, 6, 444);
    frameAt(5000, -100);
    expectAt(1, 564, 6);
    frameAt(5000, -100, WM_LBUTTONUP);
    moveIn(100, 100);
    expectAt(1, 564, 6);

    // Wine minimises with a deactivation that has no minimised flag, then a zero size.
    headless->post(WM_ACTIVATE, makeWParam(WA_INACTIVE, 0));
    headless->post(WM_SIZE, SIZE_MINIMIZED, 0);
    moveIn(0, 0);
    resize(600, 600);
    expectAt(0, 564, 444);

    resize(300, 300);  // a smaller panel pulls the points in
    expectAt(0, 264, 144);
    expectAt(1, 264, 6);
}

// Resolution 1 with three points samples at steps of 2/3: the curve ends with the chord to t = 2/3.
TEST_F(DrawingPanelTest, BBFormAndNLIDrawTheBezierCurveWithTheirSampleCount) {
    const std::vector<Vec2> triangle = {{50, 400}, {280, 20}, {520, 400}};
    for (const std::size_t tab : {BB_TAB, NLI_TAB}) {
        SCOPED_TRACE(testing::Message() << "tab " << tab);
        selectTab(tab);
        if (tab == NLI_TAB) headless->click(control(2)->handle);  // no shells
        place(triangle);
        dragBar(framePanel->controls.size() - 1, 1);
        const Vec2 end = casteljau(triangle, 2.0 / 3.0);
        EXPECT_TRUE(shownNear(GREEN, (50 + end.x) / 2, (400 + end.y) / 2, 2));
        EXPECT_FALSE(shownNear(GREEN, casteljau(triangle, 0.85).x, casteljau(triangle, 0.85).y, 3));
    }
}

// At s = 0.5 the first level is (100, 220), (275, 40), (460, 210) and the second joins its
// midpoints; at either end the first level lies on the control polygon, grey over its black.
TEST_F(DrawingPanelTest, ShellsFollowTheShellBarAndGoWithTheirBox) {
    selectTab(NLI_TAB);
    place(ARCH);
    EXPECT_TRUE(shownNear(SHELL_GREY, 143, 175) && shownNear(SHELL_GREY, 232, 129) && shownNear(BLUE, 275, 40));
    EXPECT_EQ(shownIn(std::int32_t(casteljau(ARCH, 0.5).x), std::int32_t(casteljau(ARCH, 0.5).y) + 4), BLUE);
    dragBar(1, 0);
    EXPECT_TRUE(shownNear(SHELL_GREY, 100, 220) && !shownNear(SHELL_GREY, 460, 210));
    dragBar(1, 1000);
    EXPECT_TRUE(shownNear(SHELL_GREY, 460, 210) && !shownNear(SHELL_GREY, 100, 220));
    headless->click(control(2)->handle);
    frameAt(0, 0);
    EXPECT_TRUE(shownNear(BLACK, 460, 210) && !shownNear(SHELL_GREY, 460, 210));
    for (double t = 0.03; t <= 0.97; t += 0.01)  // the curve, clear of its end markers
        EXPECT_TRUE(shownNear(GREEN, casteljau(ARCH, t).x, casteljau(ARCH, t).y, 2)) << t;
}

// Four points of a parabola give that parabola; three points give the natural cubic spline
// 100 + 450 u^2 - 150 u^3 with u = |x - 300| / 200. At resolution 1 the spline is the polygon.
TEST_F(DrawingPanelTest, PolynomialAndCubicPassThroughThePointsWithoutThePolygon) {
    const struct { std::size_t tab; std::vector<Vec2> points; double (*curve)(double x); } cases[] = {
        {POLYNOMIAL_TAB, {{100, 150}, {200, 50}, {300, 150}, {400, 450}},
         [](double x) { return (x - 200) * (x - 200) / 100 + 50; }},
        {CUBIC_TAB, {{100, 400}, {300, 100}, {500, 400}},
         [](double x) { const double u = std::abs(x - 300) / 200; return 100 + (450 - 150 * u) * u * u; }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "tab " << c.tab);
        selectTab(c.tab);
        place(c.points);
        for (std::int32_t x = 110; x < c.points.back().x; x += 5)
            EXPECT_TRUE(x % 100 < 8 || x % 100 > 92 || shownNear(GREEN, x, c.curve(x))) << "x " << x;
        const double sideX = (c.points[0].x + c.points[1].x) / 2, sideY = (c.points[0].y + c.points[1].y) / 2;
        EXPECT_FALSE(shownNear(BLACK, sideX, sideY, 2)) << "the polygon is hidden";
        selectTab(BB_TAB);
        EXPECT_TRUE(shownNear(BLACK, sideX, sideY)) << "the polygon is back";
    }
    selectTab(CUBIC_TAB);
    dragBar(1, 1);
    EXPECT_TRUE(shownNear(GREEN, 200, 250) && !shownNear(GREEN, 200, 193));
}

// Twenty points in a zigzag, degree 2: the curve passes (P(i-1) + 6 P(i) + P(i+1)) / 8 at each
// inner point's x. Only samples as fine as resolution 19 reach each of those peaks.
TEST_F(DrawingPanelTest, TheBSplineIsSampledFinerAsItsResolutionRises) {
    headless->click(control(2)->handle);  // no shells
    headless->typeText(control(5)->handle, "2");
    dragBar(3, 19);
    for (std::int32_t i = 0; i < 20; ++i) clickIn(30 + 25 * i, i % 2 == 0 ? 400 : 50);
    for (std::int32_t i = 1; i < 19; ++i)
        EXPECT_TRUE(shownNear(GREEN, 30 + 25 * i, i % 2 == 0 ? 2500 / 8.0 : 1100 / 8.0)) << "point " << i;
}

// So many points that a second thread constructs the later half of the curve: all of it is drawn.
TEST_F(DrawingPanelTest, NLIDrawsTheWholeCurveOfManyPoints) {
    selectTab(NLI_TAB);
    headless->click(control(2)->handle);  // no shells
    std::vector<Vec2> zigzag;
    for (int i = 0; i < 64; ++i) zigzag.push_back({20.0f + 8 * i, i % 2 == 0 ? 60.0f : 400.0f});
    place(zigzag);
    for (double t = 0.01; t <= 0.99; t += 0.01)
        EXPECT_TRUE(shownNear(GREEN, casteljau(zigzag, t).x, casteljau(zigzag, t).y, 2)) << t;
}

// `full`: 10,000, or the count of a one-second Release redraw (bench: limits/). Under the sanitizers those take
// minutes, so without TESSARY_EXTREME_FULL the `quick` count at the `quick` resolution (0: the initial one).
const struct { std::size_t tab; std::int32_t full, quick; std::uint16_t quickResolution; } EXTREMES[] = {
    {MIDPOINT_TAB, 10000, 10000, 1}, {BB_TAB, 8000, 10000, 0},     {BSPLINE_TAB, 10000, 10000, 0},
    {NLI_TAB, 1400, 200, 0},         {POLYNOMIAL_TAB, 3700, 1000, 0}, {CUBIC_TAB, 1638, 500, 0}};

using ExtremeSizeTest = DrawingSceneFixture;

TEST_F(ExtremeSizeTest, ThousandsOfPointsRedrawWithinThePanel) {
    const bool full = std::getenv("TESSARY_EXTREME_FULL") != nullptr;
    for (const auto& extreme : EXTREMES) {
        ControlManager::clear(manager);
        selectTab(extreme.tab);
        if (!full && extreme.quickResolution != 0) dragBar(framePanel->controls.size() - 1, extreme.quickResolution);
        const std::vector<Colour> around = shown(false);
        // The points in a zigzag, added as the manager adds clicked ones.
        for (std::int32_t i = 0, count = full ? extreme.full : extreme.quick; i < count; ++i) {
            auto* point = new ControlPoint(10 + (drawingPanel->width - 20) * i / std::max(count - 1, 1),
                                           i % 2 == 0 ? 40 : drawingPanel->height - 40, 6);
            drawingPanel->addObject(point);
            manager->points.push_back(point);
        }
        drawingPanel->dirty = 1;
        frameAt(0, 0);
        const std::vector<Colour> inside = shown(true);
        EXPECT_GT(std::count(inside.begin(), inside.end(), GREEN), 0) << "tab " << extreme.tab;
        EXPECT_TRUE(shown(false) == around) << "tab " << extreme.tab;
    }
}

}  // namespace
