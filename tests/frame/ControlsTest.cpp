// The native controls as the user works them, through their native reports: with the B-spline,
// "Clear", the shell bar, "Draw Shells", the resolution bar and two edit boxes.
#include <algorithm>
#include <string>
#include <vector>

#include "BSpline.h"
#include "CheckBox.h"
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "Midpoint.h"
#include "ResolutionRow.h"
#include "ScrollBar.h"

namespace {

class ControlsTest : public DrawingSceneFixture {
protected:
    ScrollBar* bar(std::size_t index) { return static_cast<ScrollBar*>(control(index)); }
    bool reachedWindowProcedure(std::uint32_t message) const {
        const std::vector<std::uint32_t>& handled = headless->defaultHandled;
        return std::find(handled.begin(), handled.end(), message) != handled.end();
    }
};

// A click acts on its own control only and gives the keys back to the main window; other
// notifications are swallowed; another control's click goes to the window.
TEST_F(ControlsTest, ButtonsAndCheckBoxesActOnTheirOwnClicksOnly) {
    clickIn(100, 100);  // a point for "Clear" to remove
    auto* box = static_cast<CheckBox*>(control(2));
    EXPECT_EQ(headless->control(box->handle)->style & 0xF, BS_CHECKBOX) << "a mark the platform leaves alone";
    const struct {
        const char* name;
        NativeHandle target;
        std::uint16_t notification;
        std::size_t points;
        std::int32_t checked;
        bool reachesWindow;
    } cases[] = {
        {"the box's other notification", box->handle, 5, 1, 1, false},
        {"a click on the box", box->handle, BN_CLICKED, 1, 0, false},
        {"another click on the box", box->handle, BN_CLICKED, 1, 1, false},
        {"Clear's other notification", control(0)->handle, 5, 1, 1, false},
        {"another control's click", box->handle + 1000, BN_CLICKED, 1, 1, true},
        {"a click on Clear", control(0)->handle, BN_CLICKED, 0, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        headless->defaultHandled.clear();
        headless->focus = c.target;  // the platform focuses what was clicked
        headless->post(WM_COMMAND, makeWParam(0, c.notification), c.target);
        frameAt(0, 0);
        EXPECT_EQ(manager->points.size(), c.points);
        EXPECT_EQ(std::make_pair(box->checked, headless->control(box->handle)->checkMark),
                  std::make_pair(c.checked, c.checked));
        EXPECT_EQ(reachedWindowProcedure(WM_COMMAND), c.reachesWindow);
        const bool acted = c.notification == BN_CLICKED && !c.reachesWindow;
        EXPECT_EQ(headless->focus == window->nativeHandle(), acted) << "the main window gets the keys back";
    }
}

// The shell bar keeps the default range 0 to 1000, steps of 5 and pages of 20, and gives the
// shells their parameter per mille; each bar takes its own reports only.
TEST_F(ControlsTest, ScrollRequestsMoveTheirOwnBar) {
    const struct {
        std::size_t index;
        std::uint32_t request;
        std::uint16_t thumb;
        std::int32_t shellPosition, resolution;
    } cases[] = {
        {1, SB_LINELEFT, 0, 495, 10},    {1, SB_LINERIGHT, 0, 505, 10},       {1, SB_PAGELEFT, 0, 480, 10},
        {1, SB_PAGERIGHT, 0, 520, 10},   {1, SB_THUMBPOSITION, 123, 123, 10}, {1, SB_THUMBTRACK, 877, 877, 10},
        {1, SB_ENDSCROLL, 999, 500, 10}, {1, SB_RIGHT, 999, 500, 10},         {3, SB_LINERIGHT, 0, 500, 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "bar " << c.index << ", request " << c.request);
        headless->defaultHandled.clear();
        headless->scroll(control(c.index)->handle, c.request, c.thumb);
        frameAt(0, 0);
        EXPECT_EQ(std::make_pair(bar(1)->position, bar(3)->position), std::make_pair(c.shellPosition, c.resolution));
        EXPECT_FLOAT_EQ(bar(1)->value, static_cast<float>(c.shellPosition / 1000.0));
        EXPECT_FALSE(reachedWindowProcedure(WM_HSCROLL));
        bar(1)->setPosition(500);
        bar(3)->setPosition(10);
    }
}

// The knot box's text is read once per edit, at most 255 characters of it.
TEST_F(ControlsTest, AnEditIsReadOnceAndCutTo255Characters) {
    DeBoorCurve& curve = static_cast<BSpline*>(manager->generator)->curve;
    headless->typeText(control(4)->handle, std::string(250, ' ') + "1 2 3 4");
    frameAt(0, 0);
    EXPECT_EQ(curve.knots().count(), 3);
    curve.clearKnots();
    frameAt(0, 0);
    EXPECT_EQ(curve.knots().count(), 0) << "the text was read again without an edit";
}

// A construction that counts its redraws, with a resolution bar like the real ones'.
struct Spy : CurveGen {
    explicit Spy(Panel* panel) : CurveGen(panel), row(*panel) { layout(); }
    void layout() override { row.layout(); }
    void drawCurve(const std::vector<ControlPoint*>&) override { ++redraws; }
    ResolutionRow row;
    int redraws = 0;
};

TEST_F(ControlsTest, ABarNotificationRedrawsTheCurveOnceAndAtOnce) {
    auto* spy = static_cast<Spy*>(createGenerator<Spy>(manager));
    frameAt(0, 0);
    const int before = spy->redraws;
    control(1)->handleMessage(WM_HSCROLL, makeWParam(SB_LINERIGHT, 0), control(1)->handle);
    EXPECT_EQ(spy->redraws, before + 1);
}

// That redraw updates the panels, which may see a press on a tab and replace the construction,
// bar included, while the bar still handles its message.
TEST_F(ControlsTest, AConstructionReplacedWhileItsBarIsDraggedLeavesNothingBehind) {
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

}  // namespace
