// The native controls through their reports; the B-spline has "Clear", shell bar and box, resolution bar, 2 edits.
#include <algorithm>
#include <string>
#include <vector>

#include "BSpline.h"
#include "CheckBox.h"
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "ResolutionRow.h"

namespace {

using ControlsTest = DrawingSceneFixture;

// A click acts on its own control only and gives the keys back to the main window; another
// control's click goes to the window; the controls swallow their other notifications.
TEST_F(ControlsTest, ButtonsAndCheckBoxesActOnTheirOwnClicksOnly) {
    clickIn(100, 100);  // a point for "Clear" to remove
    auto* box = static_cast<CheckBox*>(control(2));
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
        EXPECT_EQ(std::vector({int(manager->points.size()), box->checked, headless->control(box->handle)->checkMark}),
                  std::vector({c.points, c.mark, c.mark}));
        EXPECT_EQ(std::count(headless->defaultHandled.begin(), headless->defaultHandled.end(), WM_COMMAND), c.toWindow);
        EXPECT_EQ(headless->focus == window->nativeHandle(), c.code == BN_CLICKED && c.toWindow == 0) << "keys back";
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
