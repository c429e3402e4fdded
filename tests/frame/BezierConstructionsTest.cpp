// "BB-Form" and "NLI" draw the same Bézier curve, checked against the Bernstein sum computed
// here, NLI with its shells; "Polynomial" interpolates the points without the control polygon.
#include <cmath>

#include "DrawingSceneFixture.h"

namespace {

struct Point {
    double x, y;
};

// The Bézier curve of the points at t, by its Bernstein form in doubles.
Point bezier(const std::vector<Point>& p, double t) {
    const auto degree = static_cast<int>(p.size()) - 1;
    Point sum{0.0, 0.0};
    double binomial = 1.0;
    for (int i = 0; i <= degree; ++i) {
        const double weight = binomial * std::pow(1.0 - t, degree - i) * std::pow(t, i);
        sum.x += weight * p[static_cast<std::size_t>(i)].x;
        sum.y += weight * p[static_cast<std::size_t>(i)].y;
        binomial = binomial * (degree - i) / (i + 1);
    }
    return sum;
}

class BezierTest : public DrawingSceneFixture {
protected:
    void place(const std::vector<Point>& points) {
        for (const Point& p : points) clickIn(static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y));
    }
    void setResolution(std::uint16_t position) { dragBar(framePanel->controls.size() - 1, position); }
    // Whether green shows within 2 pixels of the curve wherever it is clear of the markers.
    bool followsCurve(const std::vector<Point>& p, double from, double to) {
        for (double t = from; t <= to; t += 0.01)
            if (!shownNear(GREEN, bezier(p, t).x, bezier(p, t).y, 2)) return false;
        return true;
    }
};

const std::vector<Point> ARCH = {{50, 400}, {150, 40}, {400, 40}, {520, 380}};

TEST_F(BezierTest, BothConstructionsDrawTheBezierCurveFromFirstToLastPoint) {
    place(ARCH);
    for (const std::size_t tab : {BB_TAB, NLI_TAB}) {
        selectTab(tab);
        if (tab == NLI_TAB) headless->click(control(2)->handle);  // no shells
        frameAt(0, 0);
        EXPECT_TRUE(followsCurve(ARCH, 0.03, 0.97)) << "tab " << tab;
        EXPECT_FALSE(shownNear(GREEN, 150, 40, 3)) << "the curve keeps off the polygon's corner";
    }
}

TEST_F(BezierTest, AnOddSampleCountStopsShortOfTheLastPoint) {
    const std::vector<Point> triangle = {{50, 400}, {280, 20}, {520, 400}};
    place(triangle);
    for (const std::size_t tab : {BB_TAB, NLI_TAB}) {
        selectTab(tab);
        setResolution(1);  // one step of 2/3
        const Point end = bezier(triangle, 2.0 / 3.0);
        EXPECT_TRUE(shownNear(GREEN, (50 + end.x) / 2, (400 + end.y) / 2, 2)) << "the chord to t = 2/3";
        EXPECT_FALSE(shownNear(GREEN, bezier(triangle, 0.85).x, bezier(triangle, 0.85).y, 3));
    }
}

TEST_F(BezierTest, ShellsFollowTheShellBarAndGoWithTheirBox) {
    selectTab(NLI_TAB);
    place(ARCH);
    // At s = 0.5: level 1 is (100, 220), (275, 40), (460, 210); level 2 joins their midpoints.
    EXPECT_TRUE(shownNear(SHELL_GREY, 143, 175));
    EXPECT_TRUE(shownNear(SHELL_GREY, 321, 82));
    EXPECT_TRUE(shownNear(SHELL_GREY, 232, 129));
    EXPECT_TRUE(shownNear(BLUE, 275, 40));
    const Point middle = bezier(ARCH, 0.5);
    EXPECT_EQ(shownIn(static_cast<std::int32_t>(middle.x), static_cast<std::int32_t>(middle.y) + 4), BLUE);

    // At either end the first level lies on the control polygon: grey over its black.
    dragBar(1, 0);
    EXPECT_TRUE(shownNear(SHELL_GREY, 100, 220));
    EXPECT_FALSE(shownNear(SHELL_GREY, 460, 210));
    dragBar(1, 1000);
    EXPECT_TRUE(shownNear(SHELL_GREY, 460, 210));
    EXPECT_FALSE(shownNear(SHELL_GREY, 100, 220));

    headless->click(control(2)->handle);
    frameAt(0, 0);
    EXPECT_FALSE(shownNear(SHELL_GREY, 460, 210));
    EXPECT_TRUE(shownNear(BLACK, 460, 210));
    EXPECT_TRUE(followsCurve(ARCH, 0.03, 0.97));
}

TEST_F(BezierTest, PolynomialThroughFourPointsOfAParabolaHidesThePolygon) {
    selectTab(POLYNOMIAL_TAB);
    place({{100, 150}, {200, 50}, {300, 150}, {400, 450}});
    for (std::int32_t x = 110; x < 400; x += 5) {
        const double y = (x - 200) * (x - 200) / 100.0 + 50;
        const bool clearOfMarkers = x % 100 > 8 && x % 100 < 92;
        EXPECT_TRUE(!clearOfMarkers || shownNear(GREEN, x, y)) << "x " << x;
    }
    EXPECT_FALSE(shownNear(BLACK, 150, 100, 2)) << "the polygon is hidden";

    selectTab(BB_TAB);
    EXPECT_TRUE(shownNear(BLACK, 150, 100)) << "the polygon is back";
}

}  // namespace
