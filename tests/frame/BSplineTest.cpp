// The B-spline construction in the drawing panel: its three rows of controls, its curve and
// shells, and the edit boxes that set knots and degree.
#include <climits>

#include "BSpline.h"
#include "Button.h"
#include "CheckBox.h"
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "ScrollBar.h"
#include "TextBox.h"
#include "TextObj.h"

namespace {

constexpr Colour GREEN = rgb(0, 255, 0);
constexpr Colour BLUE = rgb(0, 0, 255);
constexpr Colour SHELL_GREY = rgb(128, 128, 128);

class BSplineTest : public DrawingSceneFixture {
protected:
    BSplineTest() {
        bspline = static_cast<BSpline*>(createBSpline(manager));
        frameAt(0, 0);
    }
    void clickFour() {
        for (const auto& [x, y] : {std::pair{100, 400}, {200, 100}, {400, 100}, {500, 430}}) clickIn(x, y);
    }
    void type(TextBox* box, const char* text) {
        headless->typeText(box->handle, text);
        frameAt(0, 0);
    }
    bool shownNear(Colour colour, double x, double y) {
        for (std::int32_t dy = -1; dy <= 1; ++dy)
            for (std::int32_t dx = -1; dx <= 1; ++dx)
                if (shownIn(std::int32_t(x) + dx, std::int32_t(y) + dy) == colour) return true;
        return false;
    }
    std::int32_t countInPanel(Colour colour) {
        std::int32_t count = 0;
        for (std::int32_t y = 0; y < drawingPanel->height; ++y)
            for (std::int32_t x = 0; x < drawingPanel->width; ++x) count += drawingPanel->bitmap().pixel(x, y) == colour;
        return count;
    }
    void expectAt(const Control* control, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
        const HeadlessControl* native = headless->control(control->handle);
        EXPECT_EQ(native->x, x);
        EXPECT_EQ(native->y, y);
        EXPECT_EQ(native->width, w);
        EXPECT_EQ(native->height, h);
    }
    void expectAt(const TextObj* label, const char* text, std::int32_t x, std::int32_t y) {
        EXPECT_STREQ(label->text, text);
        EXPECT_EQ(label->x, x);
        EXPECT_EQ(label->y, y);
    }

    BSpline* bspline = nullptr;
};

TEST_F(BSplineTest, ThreeRowsUnderAShorterPanelUntilAnotherConstructionTakesOver) {
    EXPECT_EQ(drawingPanel->height, 450);
    EXPECT_EQ(framePanel->controls, (std::vector<Control*>{manager->clearButton, bspline->shells.shellBar,
                                                           bspline->shells.shellBox, bspline->row.resBar,
                                                           bspline->knotBox, bspline->degreeBox}));
    // Under the panel's bottom edge at y 475.
    expectAt(bspline->row.resLabel, "Curve Res:", 40, 489);
    expectAt(bspline->row.resBar, 125, 485, 350, 25);
    expectAt(bspline->shells.shellBox, 15, 520, 100, 25);
    expectAt(bspline->shells.shellBar, 125, 520, 460, 25);
    expectAt(bspline->knotLabel, "Knots: ", 15, 564);
    expectAt(bspline->knotBox, 67, 560, 420, 25);
    expectAt(bspline->degreeLabel, "Degree:", 500, 564);
    expectAt(bspline->degreeBox, 555, 560, 25, 25);
    EXPECT_EQ(headless->control(bspline->knotBox->handle)->text, "0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15");
    EXPECT_EQ(headless->control(bspline->degreeBox->handle)->text, "3");
    EXPECT_EQ(bspline->curve.knots().count(), 0) << "the starting texts are not parsed";
    EXPECT_EQ(bspline->row.resolution(), 10);
    EXPECT_EQ(headless->control(bspline->row.resBar->handle)->scrollMax, 20);

    createMidpoint(manager);
    frameAt(0, 0);
    EXPECT_EQ(drawingPanel->height, 535);
    EXPECT_EQ(framePanel->controls.size(), 2u);
    EXPECT_EQ(framePanel->objects.size(), 2u);
    EXPECT_TRUE(headless->liveControls("edit").empty());
}

TEST_F(BSplineTest, FourPointsDrawOneUniformCubicSegmentWithItsShells) {
    clickIn(100, 400);
    clickIn(200, 100);
    clickIn(400, 100);
    EXPECT_EQ(countInPanel(GREEN), 0) << "three points are too few for degree 3";
    clickIn(500, 430);
    EXPECT_EQ(bspline->curve.knots().count(), 7);
    // (p0 + 4 p1 + p2) / 6, (p1 + 4 p2 + p3) / 6, and (p0 + 23 p1 + 23 p2 + p3) / 48 at the middle.
    EXPECT_TRUE(shownNear(GREEN, 1300.0 / 6, 900.0 / 6));
    EXPECT_TRUE(shownNear(GREEN, 2300.0 / 6, 930.0 / 6));
    EXPECT_EQ(shownIn(300, 113), BLUE);
    // Level 1 at x = 3.5: p(j-1) + (3.5 - j) / 3 (p(j) - p(j-1)) for j = 1, 2, 3.
    EXPECT_EQ(shownIn(183, 150), BLUE);
    EXPECT_EQ(shownIn(300, 100), BLUE);
    EXPECT_EQ(shownIn(416, 155), BLUE);
    EXPECT_GT(countInPanel(SHELL_GREY), 100);

    headless->click(bspline->shells.shellBox->handle);
    frameAt(0, 0);
    EXPECT_EQ(countInPanel(BLUE), 0);
    EXPECT_EQ(countInPanel(SHELL_GREY), 0);
    EXPECT_TRUE(shownNear(GREEN, 1300.0 / 6, 900.0 / 6));
}

TEST_F(BSplineTest, TypedTextsChangeTheCurveAtTheNextFrame) {
    clickFour();
    type(bspline->degreeBox, "99999999999999999999");
    EXPECT_EQ(bspline->curve.degree(), INT_MAX);
    EXPECT_EQ(countInPanel(GREEN), 0);

    // Degree 2 over the knots completed before: from the middle of p0 p1 to that of p2 p3.
    type(bspline->degreeBox, "2");
    EXPECT_TRUE(shownNear(GREEN, 150, 250));
    EXPECT_TRUE(shownNear(GREEN, 450, 265));

    // Clamped: the Bézier curve of p0, p1, p2, at a quarter (9 p0 + 6 p1 + p2) / 16.
    type(bspline->knotBox, "0 0 0 1 1");
    EXPECT_EQ(bspline->curve.knots().count(), 6) << "completed to P + d again";
    EXPECT_TRUE(shownNear(GREEN, 156.25, 268.75));
    EXPECT_FALSE(shownNear(GREEN, 150, 250));

    type(bspline->knotBox, "nan, inf");
    EXPECT_EQ(countInPanel(GREEN), 0);
}

}  // namespace
