// The program's native controls as the user works them, reached through their native reports:
// with the B-spline, "Clear", the shell bar, "Draw Shells", the resolution bar and two edit boxes.
#include <string>
#include <tuple>
#include <vector>

#include "BSpline.h"
#include "CheckBox.h"
#include "DrawingSceneFixture.h"
#include "ScrollBar.h"

namespace {

class ControlsTest : public DrawingSceneFixture {
protected:
    ScrollBar* bar(std::size_t index) { return static_cast<ScrollBar*>(control(index)); }
    bool reachedWindowProcedure(std::uint32_t message) const {
        for (std::uint32_t handled : headless->defaultHandled)
            if (handled == message) return true;
        return false;
    }
};

TEST_F(ControlsTest, EachIsANativeChildOfTheMainWindowAndGoesWithItsConstruction) {
    using Native = std::tuple<std::string, std::string, std::uint32_t>;
    const std::vector<Native> expected = {{"BUTTON", "Clear", 0x50000000},
                                          {"SCROLLBAR", "", 0x50000000},
                                          {"BUTTON", "Draw Shells", 0x50000002},
                                          {"SCROLLBAR", "", 0x50000000},
                                          {"edit", "0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15", 0x50800000},
                                          {"edit", "3", 0x50800000}};
    std::vector<Native> shown;
    for (const Control* each : framePanel->controls) {
        const HeadlessControl* native = headless->control(each->handle);
        EXPECT_EQ(native->parent, window->nativeHandle());
        shown.emplace_back(native->className, native->text, native->style);
    }
    EXPECT_EQ(shown, expected);
    selectTab(MIDPOINT_TAB);
    EXPECT_EQ(headless->liveBrushes, 0) << "the check box's brush";
}

// A click acts on its own control only and gives the keys back to the main window; the
// controls' other notifications are swallowed; another control's click goes to the window.
TEST_F(ControlsTest, ButtonsAndCheckBoxesActOnTheirOwnClicksOnly) {
    clickIn(100, 100);  // a point for "Clear" to remove
    auto* box = static_cast<CheckBox*>(control(2));
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
// shells their parameter per mille; the resolution bar steps by one. Each takes its own reports.
TEST_F(ControlsTest, ScrollRequestsMoveTheirOwnBar) {
    const struct {
        const char* name;
        std::size_t index;
        std::uint32_t request;
        std::uint16_t thumb;
        std::int32_t shellPosition, resolution;
    } cases[] = {
        {"line left", 1, SB_LINELEFT, 0, 495, 10},      {"line right", 1, SB_LINERIGHT, 0, 505, 10},
        {"page left", 1, SB_PAGELEFT, 0, 480, 10},      {"page right", 1, SB_PAGERIGHT, 0, 520, 10},
        {"thumb position", 1, SB_THUMBPOSITION, 123, 123, 10}, {"thumb track", 1, SB_THUMBTRACK, 877, 877, 10},
        {"end of scroll", 1, SB_ENDSCROLL, 999, 500, 10}, {"codes beyond it", 1, SB_RIGHT, 999, 500, 10},
        {"resolution line", 3, SB_LINERIGHT, 0, 500, 11}, {"resolution page", 3, SB_PAGELEFT, 0, 500, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
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
    const DeBoorCurve& curve = static_cast<BSpline*>(manager->generator)->curve;
    headless->typeText(control(4)->handle, std::string(250, ' ') + "1 2 3 4");
    frameAt(0, 0);
    EXPECT_EQ(curve.knots().count(), 3);
    static_cast<BSpline*>(manager->generator)->curve.clearKnots();
    frameAt(0, 0);
    EXPECT_EQ(curve.knots().count(), 0) << "the text was read again without an edit";
}

}  // namespace
