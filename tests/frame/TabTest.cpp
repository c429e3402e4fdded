// The tab strip above the drawing panel: hover, selection by a press, and switching the
// active construction.
#include "Button.h"
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "Midpoint.h"
#include "ScrollBar.h"
#include "SpyGenerator.h"
#include "Tab.h"

namespace {

// Four tabs of 75 pixels from x 15 over y 10 to 25: a spy, Midpoint, one without a factory, a spy.
class TabTest : public DrawingSceneFixture {
protected:
    static constexpr std::int32_t ROW_Y = 17;
    static std::int32_t tabCentre(std::int32_t index) { return LEFT + 75 * index + 37; }

    TabTest() {
        SpyGenerator::constructed = 0;
        tab = new Tab(drawingPanel, 15);
        framePanel->addObject(tab);
        tab->addEntry("Spy", 75, createGenerator<SpyGenerator>, manager);
        tab->addEntry("Midpoint", 75, createMidpoint, manager);
        tab->addEntry("Nothing", 75, nullptr, manager);
        tab->addEntry("Spy again", 75, createGenerator<SpyGenerator>, manager);
        tab->select(0);
        frameAt(0, 0);
    }
    void pressTab(std::int32_t index) {
        press(tabCentre(index), ROW_Y);
        release(tabCentre(index), ROW_Y);
    }
    ScrollBar* resolutionBar() const { return static_cast<ScrollBar*>(framePanel->controls.back()); }

    Tab* tab = nullptr;
};

TEST_F(TabTest, APressOnAnUnselectedTabRunsItsFactoryOnce) {
    pressTab(0);
    EXPECT_EQ(SpyGenerator::constructed, 1);
    EXPECT_EQ(tab->hover, 0);

    pressTab(1);
    EXPECT_NE(dynamic_cast<Midpoint*>(manager->generator), nullptr);
    EXPECT_TRUE(tab->stripColour == (Rgb{0, 255, 0}));
    EXPECT_EQ(headless->windowPixel(LEFT - 1, 300), rgb(0, 255, 0));  // the panel's frame

    CurveGen* midpoint = manager->generator;
    pressTab(2);
    EXPECT_EQ(tab->entries[2].selected, 1);
    EXPECT_EQ(manager->generator, midpoint);
    EXPECT_TRUE(tab->stripColour == (Rgb{255, 0, 0}));
    EXPECT_TRUE(tab->entries[3].colour == (Rgb{0, 0, 255}));
}

TEST_F(TabTest, APressMustBeginOverTheTab) {
    press(tabCentre(1), 5);
    frameAt(tabCentre(1), ROW_Y);
    release(tabCentre(1), ROW_Y);
    EXPECT_EQ(tab->entries[1].selected, 0);
    EXPECT_EQ(tab->hover, 1);
}

TEST_F(TabTest, HoverNeedsTheMouseStrictlyInsideATab) {
    // Starting over tab 1: a shared border keeps the hover, the row's edges clear it.
    const struct {
        std::int32_t x, y, hover;
    } cases[] = {{tabCentre(2), ROW_Y, 2}, {90, ROW_Y, 1},   {165, ROW_Y, 1}, {120, 10, -1},
                 {120, 25, -1},            {15, ROW_Y, -1},  {315, ROW_Y, -1}, {314, 24, 3}};
    for (const auto& c : cases) {
        frameAt(tabCentre(1), ROW_Y);
        frameAt(c.x, c.y);
        EXPECT_EQ(tab->hover, c.hover) << c.x << ", " << c.y;
    }
}

TEST_F(TabTest, SwitchingKeepsThePointsAndReplacesTheControls) {
    clickIn(100, 100);
    clickIn(200, 300);
    const std::vector<ControlPoint*> points = manager->points;
    const NativeHandle oldBar = resolutionBar()->handle;
    headless->scroll(oldBar, SB_THUMBTRACK, 3);
    pressTab(1);
    pressTab(3);

    EXPECT_EQ(manager->points, points);
    EXPECT_EQ(framePanel->controls,
              (std::vector<Control*>{manager->clearButton, static_cast<Control*>(resolutionBar())}));
    EXPECT_EQ(resolutionBar()->position, 10);
    EXPECT_EQ(framePanel->objects.size(), 3u);  // VariableWidth, the strip, one label
    EXPECT_EQ(headless->liveControls("SCROLLBAR").size(), 1u);
    EXPECT_TRUE(headless->control(oldBar)->destroyed);
}

TEST_F(TabTest, AConstructionReplacedWhileItsBarIsDraggedLeavesNothingBehind) {
    // The bar's notification updates the panels at once; that update sees the press on a tab
    // and replaces the construction, bar included, while the bar still handles its message.
    const NativeHandle bar = resolutionBar()->handle;
    headless->setCursor(tabCentre(1), ROW_Y);
    headless->post(WM_LBUTTONDOWN);
    headless->scroll(bar, SB_THUMBTRACK, 4);
    headless->post(WM_HSCROLL, makeWParam(SB_THUMBTRACK, 6), bar);
    headless->post(WM_HSCROLL, makeWParam(SB_ENDSCROLL, 0), bar);
    window->update();
    EXPECT_NE(dynamic_cast<Midpoint*>(manager->generator), nullptr);
    EXPECT_EQ(resolutionBar()->position, 5);
}

TEST_F(TabTest, ABarNotificationRedrawsTheCurveOnceAndAtOnce) {
    const auto& draws = static_cast<SpyGenerator*>(manager->generator)->drawnCounts;
    const std::size_t before = draws.size();
    resolutionBar()->handleMessage(WM_HSCROLL, makeWParam(SB_LINERIGHT, 0), resolutionBar()->handle);
    EXPECT_EQ(draws.size(), before + 1);
}

TEST_F(TabTest, ThousandsOfPointsSurviveTheConstructionsAndClear) {
    pressTab(1);
    headless->scroll(resolutionBar()->handle, SB_THUMBTRACK, 1);  // a split costs n^2 / 2 steps
    for (std::int32_t i = 0; i < 3000; ++i) {
        auto* extra = new ControlPoint(6 + i % 558, 6 + (i * 7) % 523, 6);
        drawingPanel->addObject(extra);
        manager->points.push_back(extra);
    }
    drawingPanel->dirty = 1;
    frameAt(0, 0);
    pressTab(0);
    EXPECT_EQ(static_cast<SpyGenerator*>(manager->generator)->drawnCounts.back(), 3000u);
    ControlManager::clear(manager);
    frameAt(0, 0);
    EXPECT_TRUE(manager->points.empty());
}

}  // namespace
