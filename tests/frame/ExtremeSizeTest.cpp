// Extreme sizes beside the stress run (which also shrinks the drawing panel to one pixel and to
// none): thousands of points in every construction, and an enormous typed degree.
#include <algorithm>
#include <cstdlib>

#include "DrawingSceneFixture.h"

namespace {

// `full` is the count asked for: 10,000 where a redraw grows with the square of it, else the one
// whose Release redraw takes about a second (bench: limits/). Under the Debug sanitizers those take
// minutes (Midpoint 77 s at depth 5, NLI 200 s), so unless TESSARY_EXTREME_FULL is set the run
// takes the `quick` count at the `quick` resolution (0: the initial one). From degree 1030 BB-Form's binomial coefficients overflow, from
// about 200 points Polynomial's Newton products: every curve point is non-finite, nothing drawn.
struct Extreme {
    std::size_t tab;
    std::int32_t full, quick;
    std::uint16_t quickResolution;
    bool drawn;
};
const Extreme EXTREMES[] = {{MIDPOINT_TAB, 10000, 10000, 1, true}, {BB_TAB, 10000, 10000, 0, false},
                            {BSPLINE_TAB, 10000, 10000, 0, true},  {NLI_TAB, 1120, 200, 0, true},
                            {POLYNOMIAL_TAB, 575, 300, 0, false},  {CUBIC_TAB, 1638, 500, 0, true}};

class ExtremeSizeTest : public DrawingSceneFixture {
protected:
    // The tab's construction with `count` points in a zigzag, added as the manager adds clicked ones.
    void showWithPoints(std::size_t tab, std::int32_t count) {
        ControlManager::clear(manager);
        selectTab(tab);
        for (std::int32_t i = 0; i < count; ++i) {
            auto* point = new ControlPoint(10 + (drawingPanel->width - 20) * i / std::max(count - 1, 1),
                                           i % 2 == 0 ? 40 : drawingPanel->height - 40, 6);
            drawingPanel->addObject(point);
            manager->points.push_back(point);
        }
        drawingPanel->dirty = 1;
        frameAt(0, 0);
    }
    // What the window shows inside the drawing panel, or around it.
    std::vector<Colour> shown(bool inPanel) {
        const Panel& p = *drawingPanel;
        std::vector<Colour> pixels;
        for (std::int32_t y = 0; y < window->height; ++y)
            for (std::int32_t x = 0; x < window->width; ++x)
                if ((x >= p.x && x < p.x + p.width && y >= p.y && y < p.y + p.height) == inPanel)
                    pixels.push_back(headless->windowPixel(x, y));
        return pixels;
    }
    bool shownInPanel(Colour colour) {
        const std::vector<Colour> pixels = shown(true);
        return std::find(pixels.begin(), pixels.end(), colour) != pixels.end();
    }
};

TEST_F(ExtremeSizeTest, ThousandsOfPointsRedrawWithinThePanel) {
    const bool full = std::getenv("TESSARY_EXTREME_FULL") != nullptr;
    for (const Extreme& extreme : EXTREMES) {
        showWithPoints(extreme.tab, 0);
        if (!full && extreme.quickResolution != 0) dragBar(framePanel->controls.size() - 1, extreme.quickResolution);
        const std::vector<Colour> around = shown(false);
        showWithPoints(extreme.tab, full ? extreme.full : extreme.quick);
        EXPECT_EQ(shownInPanel(GREEN), extreme.drawn) << "tab " << extreme.tab;
        EXPECT_TRUE(shown(false) == around) << "tab " << extreme.tab;
    }
}

// Fewer points than the degree needs: no knots are added, and only the points and their polygon
// are drawn, until a usable degree draws the curve again.
TEST_F(ExtremeSizeTest, AHugeDegreeDrawsNeitherCurveNorShells) {
    showWithPoints(BSPLINE_TAB, 20);
    for (const char* degree : {"1000000000", "2147483647", "99999999999", "3"}) {
        headless->typeText(control(5)->handle, degree);
        frameAt(0, 0);
        const bool usable = degree[0] == '3';
        EXPECT_EQ(shownInPanel(GREEN) || shownInPanel(BLUE) || shownInPanel(SHELL_GREY), usable) << degree;
        EXPECT_TRUE(shownNear(RED, point(0).x, point(0).y) &&
                    shownNear(BLACK, (point(0).x + point(1).x) / 2.0, (point(0).y + point(1).y) / 2.0));
    }
}

}  // namespace
