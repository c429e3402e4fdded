// The tab strip above the drawing panel: selection by a press and switching the active
// construction.
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "Midpoint.h"
#include "ScrollBar.h"
#include "SpyGenerator.h"

namespace {

using TabTest = DrawingSceneFixture;

TEST_F(TabTest, OnlyAPressBeginningOverAnotherTabSwitchesTheConstructionKeepingThePoints) {
    clickIn(100, 100);
    clickIn(200, 300);
    const std::vector<ControlPoint*> points = manager->points;
    dragBar(3, 4);  // the B-spline's resolution
    selectTab(BSPLINE_TAB);
    EXPECT_EQ(static_cast<ScrollBar*>(control(3))->position, 4) << "the selected tab was built again";

    press(tabCentre(MIDPOINT_TAB), 5);
    frameAt(tabCentre(MIDPOINT_TAB), TAB_ROW_Y);
    release(tabCentre(MIDPOINT_TAB), TAB_ROW_Y);
    EXPECT_EQ(scene.tab->hover, static_cast<std::int32_t>(MIDPOINT_TAB));
    EXPECT_EQ(dynamic_cast<Midpoint*>(manager->generator), nullptr);

    selectTab(MIDPOINT_TAB);
    EXPECT_NE(dynamic_cast<Midpoint*>(manager->generator), nullptr);
    EXPECT_EQ(manager->points, points);
}

TEST_F(TabTest, AConstructionReplacedWhileItsBarIsDraggedLeavesNothingBehind) {
    // The bar's notification updates the panels at once; that update sees the press on a tab
    // and replaces the construction, bar included, while the bar still handles its message.
    const NativeHandle bar = control(3)->handle;
    headless->setCursor(tabCentre(MIDPOINT_TAB), TAB_ROW_Y);
    headless->post(WM_LBUTTONDOWN);
    headless->scroll(bar, SB_THUMBTRACK, 4);
    headless->post(WM_HSCROLL, makeWParam(SB_THUMBTRACK, 6), bar);
    headless->post(WM_HSCROLL, makeWParam(SB_ENDSCROLL, 0), bar);
    window->update();
    EXPECT_NE(dynamic_cast<Midpoint*>(manager->generator), nullptr);
    EXPECT_EQ(static_cast<ScrollBar*>(control(1))->position, 5);
}

TEST_F(TabTest, ABarNotificationRedrawsTheCurveOnceAndAtOnce) {
    auto* spy = static_cast<SpyGenerator*>(createGenerator<SpyGenerator>(manager));
    frameAt(0, 0);
    const std::size_t before = spy->drawnCounts.size();
    control(1)->handleMessage(WM_HSCROLL, makeWParam(SB_LINERIGHT, 0), control(1)->handle);
    EXPECT_EQ(spy->drawnCounts.size(), before + 1);
}

}  // namespace
