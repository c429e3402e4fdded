// The native controls through their reports; the B-spline has "Clear", shell bar and box, resolution bar, 2 edits.
#include <algorithm>
#include <string>
#include <vector>

#include "BSpline.h"
#include "CheckBox.h"
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "ResolutionRow.h"
#include "ScrollBar.h"

namespace {

class ControlsTest : public DrawingSceneFixture {
protected:
    ScrollBar* bar(std::size_t index) { return static_cast<ScrollBar*>(control(index)); }
};

// A click acts on its own control only and gives the keys back to the main window; another
// control's click goes to the window; the controls swallow their other notifications.
TEST_F(ControlsTest, ButtonsAndCheckBoxesActOnTheirOwnClicksOnly) {
    clickIn(100, 100);  // a point for "Clear" to remove
    auto* box = static_cast<CheckBox*>(control(2));
    EXPECT_EQ(headless->control(box->handle)->style & 0xF, BS_CHECKBOX) << "a mark the platform leaves alone";
    const NativeHandle clear = control(0)->handle;
    const struct { const char* name; NativeHandle target; std::uint16_t code; int points, mark, toWindow; } cases[] = {
        {"box, other", box->handle, 5, 1, 1, 0},        {"box, click", box->handle, BN_CLICKED, 1, 0, 0},
        {"box, again", box->handle, BN_CLICKED, 1, 1, 0}, {"Clear, other", clear, 5, 1, 1, 0},
        {"another control", clear + 1000, BN_CLICKED, 1, 1, 1}, {"Clear, click", clear, BN_CLICKED, 0, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        headless->defaultHandled.clear();
        headless->focus = c.target;  // the platform focuses what was clicked
        headless->post(WM_COMMAND, makeWParam(0, c.code), c.target);
        frameAt(0, 0);
        const int mark = headless->control(box->handle)->checkMark;
        EXPECT_EQ(std::vector({static_cast<int>(manager->points.size()), box->checked, mark}),
                  std::vector({c.points, c.mark, c.mark}));
        EXPECT_EQ(std::count(headless->defaultHandled.begin(), headless->defaultHandled.end(), WM_COMMAND), c.toWindow);
        EXPECT_EQ(headless->focus == window->nativeHandle(), c.code == BN_CLICKED && c.toWindow == 0) << "keys back";
    }
}

// The shell bar: range 0 to 1000, steps of 5, pages of 20, value per mille; each bar takes its own reports.
TEST_F(ControlsTest, ScrollRequestsMoveTheirOwnBar) {
    const struct { std::size_t index; std::uint32_t request; std::uint16_t thumb; int shell, resolution; } cases[] = {
        {1, SB_LINELEFT, 0, 495, 10},    {1, SB_LINERIGHT, 0, 505, 10},       {1, SB_PAGELEFT, 0, 480, 10},
        {1, SB_PAGERIGHT, 0, 520, 10},   {1, SB_THUMBPOSITION, 123, 123, 10}, {1, SB_THUMBTRACK, 877, 877, 10},
        {1, SB_ENDSCROLL, 999, 500, 10}, {1, SB_RIGHT, 999, 500, 10},         {3, SB_LINERIGHT, 0, 500, 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "bar " << c.index << ", request " << c.request);
        headless->defaultHandled.clear();
        headless->scroll(control(c.index)->handle, c.request, c.thumb);
        frameAt(0, 0);
        EXPECT_EQ(std::make_pair(bar(1)->position, bar(3)->position), std::make_pair(c.shell, c.resolution));
        EXPECT_FLOAT_EQ(bar(1)->value, static_cast<float>(c.shell / 1000.0));
        EXPECT_EQ(std::count(headless->defaultHandled.begin(), headless->defaultHandled.end(), WM_HSCROLL), 0);
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
    explicit Spy(Panel* panel) : CurveGen(panel), row(*panel) {}
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

}  // namespace
