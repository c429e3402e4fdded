// Thousands of points in every construction, beside the random runs (which also shrink the drawing
// panel to one pixel and to none, and type degrees up to 10^9 and beyond).
#include <algorithm>
#include <cstdlib>

#include "DrawingSceneFixture.h"

namespace {

// `full`: 10,000, or the count of a one-second Release redraw (bench: limits/). Under the sanitizers
// those take minutes, so without TESSARY_EXTREME_FULL the `quick` count at the `quick` resolution
// (0: the initial one).
struct Extreme { std::size_t tab; std::int32_t full, quick; std::uint16_t quickResolution; };
const Extreme EXTREMES[] = {{MIDPOINT_TAB, 10000, 10000, 1}, {BB_TAB, 8000, 10000, 0},
                            {BSPLINE_TAB, 10000, 10000, 0}, {NLI_TAB, 1400, 200, 0},
                            {POLYNOMIAL_TAB, 3700, 1000, 0}, {CUBIC_TAB, 1638, 500, 0}};

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
};

TEST_F(ExtremeSizeTest, ThousandsOfPointsRedrawWithinThePanel) {
    const bool full = std::getenv("TESSARY_EXTREME_FULL") != nullptr;
    for (const Extreme& extreme : EXTREMES) {
        showWithPoints(extreme.tab, 0);
        if (!full && extreme.quickResolution != 0) dragBar(framePanel->controls.size() - 1, extreme.quickResolution);
        const std::vector<Colour> around = shown(false);
        showWithPoints(extreme.tab, full ? extreme.full : extreme.quick);
        const std::vector<Colour> inside = shown(true);
        EXPECT_GT(std::count(inside.begin(), inside.end(), GREEN), 0) << "tab " << extreme.tab;
        EXPECT_TRUE(shown(false) == around) << "tab " << extreme.tab;
    }
}

}  // namespace
