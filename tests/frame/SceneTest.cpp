// Where the program puts things for each client size and construction, and which press selects a tab;
// the native controls through their reports (the B-spline has "Clear", shell bar and box, resolution bar, 2 edits).
#include <algorithm>
#include <string>
#include <vector>

#include "BSpline.h"
#include "Button.h"
#include "CheckBox.h"
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "Midpoint.h"
#include "ResolutionRow.h"
#include "ScrollBar.h"
#include "TextObj.h"

namespace {

using SceneTest = DrawingSceneFixture;

// Margins of 15 left and right, 25 above, room for the rows below; beyond a bitmap's reach it draws what fits.
TEST_F(SceneTest, TheDrawingPanelAndClearFollowTheClientArea) {
    const struct { std::size_t tab; int clientWidth, clientHeight, width, height; } cases[] = {
        {BSPLINE_TAB, 600, 600, 570, 450},      {BSPLINE_TAB, 800, 700, 770, 550},     {NLI_TAB, 600, 600, 570, 490},
        {MIDPOINT_TAB, 600, 600, 570, 535},     {MIDPOINT_TAB, 31, 66, 1, 1},          {MIDPOINT_TAB, 20, 50, 0, 0},
        {MIDPOINT_TAB, 32768, 100, 32738, 35}, {MIDPOINT_TAB, 100, 40000, 70, 39935}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "tab " << c.tab << ", client " << c.clientWidth << " x " << c.clientHeight);
        selectTab(c.tab);
        resize(c.clientWidth, c.clientHeight);
        EXPECT_EQ(std::vector({framePanel->width, framePanel->height}), std::vector({c.clientWidth, c.clientHeight}));
        EXPECT_EQ(std::vector({drawingPanel->x, drawingPanel->y, drawingPanel->width, drawingPanel->height}),
                  std::vector({LEFT, TOP, c.width, c.height}));
        const HeadlessControl* clear = headless->control(manager->clearButton->handle);
        EXPECT_EQ(std::vector({clear->x, clear->y}), std::vector({LEFT + c.width - 100, TOP + c.height + 10}));
        EXPECT_TRUE(c.width == 0 || shownIn(0, 0) == WHITE);
    }
}

// Controls as x, y, width, "Clear" first; labels as "text@x,y"; the resolution bar's range, start
// and steps; the frame in the tab's colour left of the panel, which covers its inner half.
TEST_F(SceneTest, EachConstructionLaysOutItsOwnRowsAndLabels) {
    const struct { std::size_t tab; std::vector<int> controls; std::vector<std::string> labels; std::size_t bar;
                   int maximum, start; Colour frame; } cases[] = {
        {BSPLINE_TAB, {485, 485, 100, 125, 520, 460, 15, 520, 100, 125, 485, 350, 67, 560, 420, 555, 560, 25},
         {"Curve Res:@40,489", "Knots: @15,564", "Degree:@500,564"}, 3, 20, 10, BLUE},
        {CUBIC_TAB, {485, 570, 100, 95, 570, 380}, {"Curve Res:@15,574"}, 1, 20, 10, GREEN},
        {POLYNOMIAL_TAB, {485, 570, 100, 95, 570, 380}, {"Curve Res:@15,574"}, 1, 20, 10, RED},
        {NLI_TAB, {485, 525, 100, 125, 560, 460, 15, 560, 100, 125, 525, 350}, {"Curve Res:@40,529"}, 3, 20, 10, BLUE},
        {BB_TAB, {485, 570, 100, 95, 570, 380}, {"Curve Res:@15,574"}, 1, 20, 10, GREEN},
        {MIDPOINT_TAB, {485, 570, 100, 95, 570, 380}, {"Curve Res:@15,574"}, 1, 10, 5, RED}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "tab " << c.tab);
        selectTab(c.tab);
        std::vector<int> controls;
        for (const Control* each : framePanel->controls) {
            const HeadlessControl* native = headless->control(each->handle);
            controls.insert(controls.end(), {native->x, native->y, native->width});
        }
        EXPECT_EQ(controls, c.controls);
        EXPECT_EQ(headless->liveControls().size(), framePanel->controls.size()) << "the last construction's remain";
        std::vector<std::string> labels;
        for (std::size_t i = 2; i < framePanel->objects.size(); ++i) {  // past the layout and the strip
            const auto* text = static_cast<const TextObj*>(framePanel->objects[i]);
            labels.push_back(std::string(text->text) + "@" + std::to_string(text->x) + "," + std::to_string(text->y));
        }
        EXPECT_EQ(labels, c.labels);
        const NativeHandle bar = control(c.bar)->handle, shellBar = control(1)->handle;
        EXPECT_EQ(std::vector({headless->control(bar)->scrollMax, headless->control(bar)->scrollPos}),
                  std::vector({c.maximum, c.start}));
        for (const auto& [request, thumb] : {std::pair{SB_LINERIGHT, 0}, {SB_PAGERIGHT, 0}, {SB_ENDSCROLL, 99}})
            headless->scroll(bar, request, thumb);
        frameAt(0, 0);
        EXPECT_EQ(headless->control(bar)->scrollPos, c.start + 2) << "the resolution steps by one";
        if (c.bar == 3) {  // the shell bar steps by 5, pages by 20, and only on its own reports
            for (const std::uint32_t request : {SB_LINELEFT, SB_PAGELEFT, SB_RIGHT}) headless->scroll(shellBar, request);
            frameAt(0, 0);
            EXPECT_EQ(headless->control(shellBar)->scrollPos, 475);
        }
        EXPECT_EQ(std::vector({shownIn(-2, 275), shownIn(0, 275)}), std::vector({c.frame, WHITE}));
    }
}

// Only a press that begins over another tab switches the construction, keeping the points; it may
// come while a bar's notification redraws, and replace that bar under its own message.
TEST_F(SceneTest, OnlyAPressBeginningOverAnotherTabSwitchesTheConstruction) {
    clickIn(100, 100);
    const std::vector<ControlPoint*> points = manager->points;
    dragBar(3, 4);
    selectTab(BSPLINE_TAB);
    EXPECT_EQ(static_cast<ScrollBar*>(control(3))->position, 4) << "the selected tab was built again";

    frameAt(tabCentre(MIDPOINT_TAB), 5, WM_LBUTTONDOWN);
    frameAt(tabCentre(MIDPOINT_TAB), TAB_ROW_Y);
    frameAt(tabCentre(MIDPOINT_TAB), TAB_ROW_Y, WM_LBUTTONUP);
    EXPECT_EQ(scene.tab->hover, static_cast<std::int32_t>(MIDPOINT_TAB));
    EXPECT_EQ(dynamic_cast<Midpoint*>(manager->generator), nullptr);

    const NativeHandle bar = control(3)->handle;
    headless->post(WM_LBUTTONDOWN);
    headless->scroll(bar, SB_THUMBTRACK, 4);
    headless->post(WM_HSCROLL, makeWParam(SB_THUMBTRACK, 6), bar);
    headless->post(WM_HSCROLL, makeWParam(SB_ENDSCROLL, 0), bar);
    window->update();
    EXPECT_NE(dynamic_cast<Midpoint*>(manager->generator), nullptr);
    EXPECT_EQ(static_cast<ScrollBar*>(control(1))->position, 5);
    EXPECT_EQ(manager->points, points);
}

// A click acts on its own control only and gives the keys back to the main window; another
// control's click goes to the window; the controls swallow their other notifications.
TEST_F(SceneTest, ButtonsAndCheckBoxesActOnTheirOwnClicksOnly) {
    clickIn(100, 100);  // a point for "Clear" to remove
    auto* box = static_cast<CheckBox*>(control(2));
    const NativeHandle clear = control(0)->handle;
    const struct { const char* name; NativeHandle target; std::uint16_t code; int points, mark, toWindow; } cases[] = {
        {"box, other", box->handle, 5, 1, 1, 0},        {"box, click", box->handle, BN_CLICKED, 1, 0, 0},
        {"box, again", box->handle, BN_CLICKED, 1, 1, 0}, {"Clear, other", clear, 5, 1, 1, 0},
        {"another control", clear + 1000, BN_CLICKED, 1, 1, 1}, {"Clear, click", clear, BN_CLICKED, 0, 1, 0}};
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
    // The box's label stands on its grey brush: the device context it is handed draws text transparently.
    EXPECT_EQ(box->handleMessage(WM_CTLCOLORSTATIC, 77, box->handle), static_cast<LRESULT>(box->brush));
    EXPECT_EQ(box->handleMessage(WM_CTLCOLORSTATIC, 78, clear), 0);
    EXPECT_EQ(headless->transparentContexts, std::vector<NativeHandle>{77});
}

// The knot box's text is read once per edit, at most 255 characters of it.
TEST_F(SceneTest, AnEditIsReadOnceAndCutTo255Characters) {
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

TEST_F(SceneTest, ABarNotificationRedrawsTheCurveOnceAndAtOnce) {
    auto* spy = static_cast<Spy*>(createGenerator<Spy>(manager));
    frameAt(0, 0);
    const int before = spy->redraws;
    control(1)->handleMessage(WM_HSCROLL, makeWParam(SB_LINERIGHT, 0), control(1)->handle);
    EXPECT_EQ(spy->redraws, before + 1);
}

}  // namespace
