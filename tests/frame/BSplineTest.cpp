// The B-spline construction: its three rows of controls, its curve and shells, and the edit
// boxes that set knots and degree.
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

class BSplineTest : public DrawingSceneFixture {
protected:
    BSplineTest() {
        bspline = static_cast<BSpline*>(createBSpline(manager));
        frameAt(0, 0);
    }
    void type(TextBox* box, const char* text) { headless->typeText(box->handle, text); frameAt(0, 0); }
    bool greenNear(double x, double y) { return shownNear(GREEN, x, y); }
    std::int32_t countInPanel(Colour colour) {
        std::int32_t count = 0;
        for (std::int32_t y = 0; y < drawingPanel->height; ++y)
            for (std::int32_t x = 0; x < drawingPanel->width; ++x)
                count += drawingPanel->bitmap().pixel(x, y) == colour;
        return count;
    }
    std::vector<std::int32_t> placeOf(const Control* control) {
        const HeadlessControl* native = headless->control(control->handle);
        return {native->x, native->y, native->width, native->height};
    }

    BSpline* bspline = nullptr;
};

TEST_F(BSplineTest, ThreeRowsUnderAShorterPanelUntilAnotherConstructionTakesOver) {
    EXPECT_EQ(drawingPanel->height, 450);  // bottom edge at y 475
    EXPECT_EQ(framePanel->controls, (std::vector<Control*>{manager->clearButton, bspline->shells.shellBar,
                                                           bspline->shells.shellBox, bspline->row.resBar,
                                                           bspline->knotBox, bspline->degreeBox}));
    EXPECT_EQ(placeOf(bspline->row.resBar), (std::vector{125, 485, 350, 25}));
    EXPECT_EQ(placeOf(bspline->shells.shellBox), (std::vector{15, 520, 100, 25}));
    EXPECT_EQ(placeOf(bspline->shells.shellBar), (std::vector{125, 520, 460, 25}));
    EXPECT_EQ(placeOf(bspline->knotBox), (std::vector{67, 560, 420, 25}));
    EXPECT_EQ(placeOf(bspline->degreeBox), (std::vector{555, 560, 25, 25}));
    // "Curve Res:", "Knots: " and "Degree:".
    EXPECT_EQ(std::vector({bspline->row.resLabel->x, bspline->row.resLabel->y, bspline->knotLabel->x,
                           bspline->knotLabel->y, bspline->degreeLabel->x, bspline->degreeLabel->y}),
              std::vector({40, 489, 15, 564, 500, 564}));
    EXPECT_EQ(bspline->curve.knots().count(), 0) << "the starting texts are not parsed";

    createMidpoint(manager);
    frameAt(0, 0);
    EXPECT_EQ(drawingPanel->height, 535);
    EXPECT_EQ(framePanel->controls.size() + framePanel->objects.size(), 4u);
    EXPECT_TRUE(headless->liveControls("edit").empty());
}

TEST_F(BSplineTest, FourPointsDrawAUniformCubicSegmentWithShellsThatTheEditBoxesChange) {
    for (const auto& [x, y] : {std::pair{100, 400}, {200, 100}, {400, 100}}) clickIn(x, y);
    EXPECT_EQ(countInPanel(GREEN), 0) << "three points are too few for degree 3";
    clickIn(500, 430);
    // From (p0 + 4 p1 + p2) / 6 to (p1 + 4 p2 + p3) / 6; the large dot at the middle,
    // (p0 + 23 p1 + 23 p2 + p3) / 48, and the level-1 points p(j-1) + (3.5 - j) / 3 (p(j) - p(j-1)).
    EXPECT_TRUE(greenNear(1300.0 / 6, 900.0 / 6) && greenNear(2300.0 / 6, 930.0 / 6));
    for (const auto& [x, y] : {std::pair{300, 113}, {183, 150}, {300, 100}, {416, 155}}) EXPECT_EQ(shownIn(x, y), BLUE);
    headless->click(bspline->shells.shellBox->handle);
    frameAt(0, 0);
    EXPECT_EQ(countInPanel(BLUE) + countInPanel(rgb(128, 128, 128)), 0);

    type(bspline->degreeBox, "99999999999999999999");
    EXPECT_EQ(bspline->curve.degree(), INT_MAX);
    EXPECT_EQ(countInPanel(GREEN), 0);
    // Degree 2 over the knots completed before: from the middle of p0 p1 to that of p2 p3.
    type(bspline->degreeBox, "2");
    EXPECT_TRUE(greenNear(150, 250) && greenNear(450, 265));
    // Clamped, completed to P + d knots: the Bézier curve of p0, p1, p2, at a quarter (9 p0 + 6 p1 + p2) / 16.
    type(bspline->knotBox, "0 0 0 1 1");
    EXPECT_EQ(bspline->curve.knots().count(), 6);
    EXPECT_TRUE(greenNear(156.25, 268.75) && !greenNear(150, 250));
    type(bspline->knotBox, "1e39, 1e40");  // both beyond a float: an infinite domain
    EXPECT_EQ(countInPanel(GREEN), 0);
}

}  // namespace
