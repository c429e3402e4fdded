// "BB-Form" and "NLI" draw the same Bézier curve, checked against the Bernstein sum computed
// here; NLI's two rows of controls, its taller margin and its shells.
#include <cmath>

#include "CheckBox.h"
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "ScrollBar.h"
#include "TextObj.h"

namespace {

constexpr Colour GREEN = rgb(0, 255, 0);
constexpr Colour GREY = rgb(128, 128, 128);
constexpr Colour BLUE = rgb(0, 0, 255);
constexpr Colour BLACK = rgb(0, 0, 0);

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
    ScrollBar* bar(std::size_t index) { return static_cast<ScrollBar*>(framePanel->controls.at(index)); }
    void setPosition(ScrollBar* scrollBar, std::uint16_t position) {
        scrollBar->handleMessage(WM_HSCROLL, makeWParam(SB_THUMBTRACK, position), scrollBar->handle);
    }
    // Whether green shows within 2 pixels of the curve wherever it is clear of the markers.
    bool followsCurve(const std::vector<Point>& p, double from, double to) {
        for (double t = from; t <= to; t += 0.01)
            if (!shownNear(GREEN, bezier(p, t).x, bezier(p, t).y, 2)) return false;
        return true;
    }
};

const std::vector<Point> ARCH = {{50, 400}, {150, 40}, {400, 40}, {520, 380}};

TEST_F(BezierTest, BothConstructionsDrawTheBezierCurveFromFirstToLastPoint) {
    for (const auto create : {createBB, createNLI}) {
        create(manager);
        if (manager->points.empty()) place(ARCH);
        frameAt(0, 0);
        if (create == createNLI) headless->click(framePanel->controls[2]->handle);  // no shells
        frameAt(0, 0);
        EXPECT_TRUE(followsCurve(ARCH, 0.03, 0.97));
        EXPECT_FALSE(shownNear(GREEN, 150, 40, 3)) << "the curve keeps off the polygon's corner";
    }
}

TEST_F(BezierTest, AnOddSampleCountStopsShortOfTheLastPoint) {
    const std::vector<Point> triangle = {{50, 400}, {280, 20}, {520, 400}};
    for (const auto create : {createBB, createNLI}) {
        create(manager);
        if (manager->points.empty()) place(triangle);
        setPosition(bar(framePanel->controls.size() - 1), 1);  // one step of 2/3
        const Point end = bezier(triangle, 2.0 / 3.0);
        EXPECT_TRUE(shownNear(GREEN, (50 + end.x) / 2, (400 + end.y) / 2, 2)) << "the chord to t = 2/3";
        EXPECT_FALSE(shownNear(GREEN, bezier(triangle, 0.85).x, bezier(triangle, 0.85).y, 3));
    }
}

TEST_F(BezierTest, NLIKeepsTwoRowsBelowAShorterPanelUntilItGoes) {
    createNLI(manager);
    frameAt(0, 0);
    ASSERT_EQ(drawingPanel->height, 600 - 110);
    const std::int32_t bottom = TOP + drawingPanel->height;
    const struct {
        const Control* control;
        std::int32_t x, y, width;
    } places[] = {{framePanel->controls[1], 125, bottom + 45, 460},
                  {framePanel->controls[2], 15, bottom + 45, 100},
                  {framePanel->controls[3], 125, bottom + 10, 350}};
    for (const auto& p : places) {
        const HeadlessControl* native = headless->control(p.control->handle);
        EXPECT_EQ(native->x, p.x);
        EXPECT_EQ(native->y, p.y);
        EXPECT_EQ(native->width, p.width);
    }
    EXPECT_EQ(static_cast<CheckBox*>(framePanel->controls[2])->checked, 1);
    const auto* label = static_cast<TextObj*>(framePanel->objects.back());
    EXPECT_EQ(label->x, 40);
    EXPECT_EQ(label->y, bottom + 14);

    createBB(manager);
    frameAt(0, 0);
    EXPECT_EQ(drawingPanel->height, 600 - 65);
    EXPECT_EQ(framePanel->controls.size(), 2u);
}

TEST_F(BezierTest, ShellsFollowTheShellBarAndGoWithTheirBox) {
    createNLI(manager);
    place(ARCH);
    // At s = 0.5: level 1 is (100, 220), (275, 40), (460, 210); level 2 joins their midpoints.
    EXPECT_TRUE(shownNear(GREY, 143, 175));
    EXPECT_TRUE(shownNear(GREY, 321, 82));
    EXPECT_TRUE(shownNear(GREY, 232, 129));
    EXPECT_TRUE(shownNear(BLUE, 275, 40));
    const Point middle = bezier(ARCH, 0.5);
    EXPECT_EQ(shownIn(static_cast<std::int32_t>(middle.x), static_cast<std::int32_t>(middle.y) + 4), BLUE);

    // At either end the first level lies on the control polygon: grey over its black.
    setPosition(bar(1), 0);
    EXPECT_TRUE(shownNear(GREY, 100, 220));
    EXPECT_FALSE(shownNear(GREY, 460, 210));
    setPosition(bar(1), 1000);
    EXPECT_TRUE(shownNear(GREY, 460, 210));
    EXPECT_FALSE(shownNear(GREY, 100, 220));

    headless->click(framePanel->controls[2]->handle);
    frameAt(0, 0);
    EXPECT_FALSE(shownNear(GREY, 460, 210));
    EXPECT_TRUE(shownNear(BLACK, 460, 210));
    EXPECT_TRUE(followsCurve(ARCH, 0.03, 0.97));
}

}  // namespace
