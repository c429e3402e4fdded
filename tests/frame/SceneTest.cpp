// The program's start-up scene on the headless backend: geometry before and after the first
// frame, the tab strip's frame colours, following a resized window, and switching to Midpoint.
#include "BSpline.h"
#include "Button.h"
#include "ControlManager.h"
#include "HeadlessFixture.h"
#include "Midpoint.h"
#include "Panel.h"
#include "Scene.h"
#include "ScrollBar.h"
#include "Tab.h"
#include "TextBox.h"
#include "TextObj.h"

namespace {

constexpr Colour GREY = rgb(200, 200, 200);
constexpr Colour WHITE = rgb(255, 255, 255);

class SceneTest : public HeadlessFixture {
protected:
    SceneTest() {
        openWindow(600, 600);
        scene = buildScene(*window);
    }
    ~SceneTest() override { tearDownScene(scene); }

    void expectPlace(const Panel& panel, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
        EXPECT_EQ(panel.x, x);
        EXPECT_EQ(panel.y, y);
        EXPECT_EQ(panel.width, w);
        EXPECT_EQ(panel.height, h);
    }
    void expectPlace(const Control& control, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
        EXPECT_EQ(control.x, x);
        EXPECT_EQ(control.y, y);
        EXPECT_EQ(control.width, w);
        EXPECT_EQ(control.height, h);
        const HeadlessControl* native = headless->control(control.handle);
        EXPECT_EQ(native->x, x);
        EXPECT_EQ(native->width, w);
    }

    Scene scene;
};

TEST_F(SceneTest, BeforeTheFirstFrameTheBSplineIsSelectedAndNothingIsLaidOut) {
    EXPECT_EQ(scene.tab->entries[0].selected, 1);
    EXPECT_EQ(scene.tab->hover, 0);
    EXPECT_NE(dynamic_cast<BSpline*>(scene.manager->generator), nullptr);
    expectPlace(*scene.framePanel, 0, 0, 300, 300);
    expectPlace(*scene.drawingPanel, 0, 0, 300, 500);
    EXPECT_EQ(scene.framePanel->controls.size(), 6u) << "Clear and the B-spline's five controls";
}

TEST_F(SceneTest, TheFirstFrameLaysOutBothPanelsAndTheBSplinesRows) {
    window->update();
    expectPlace(*scene.framePanel, 0, 0, 600, 600);
    expectPlace(*scene.drawingPanel, 15, 25, 570, 450);
    expectPlace(*scene.manager->clearButton, 485, 485, 100, 25);
    const auto& bspline = static_cast<const BSpline&>(*scene.manager->generator);
    EXPECT_EQ(headless->control(bspline.knotBox->handle)->text, "0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15");
    EXPECT_EQ(headless->control(bspline.degreeBox->handle)->text, "3");
    EXPECT_EQ(headless->windowPixel(5, 300), GREY);
    EXPECT_EQ(headless->windowPixel(300, 300), WHITE);
    EXPECT_EQ(headless->windowPixel(16, 26), WHITE);
    EXPECT_EQ(headless->windowPixel(584, 474), WHITE);
    EXPECT_EQ(headless->windowPixel(13, 300), rgb(0, 0, 255)) << "the frame of the selected blue entry";
    EXPECT_EQ(headless->windowPixel(300, 24), rgb(0, 0, 255)) << "the strip's baseline";
    EXPECT_EQ(headless->windowPixel(300, 590), GREY);
}

TEST_F(SceneTest, TheSixTabsFitAboveTheDrawingPanel) {
    std::int32_t total = 0;
    for (const TabEntry& entry : scene.tab->entries) total += entry.width;
    EXPECT_EQ(total, 515);
    const char* labels[] = {"DeBoor Splines", "Cubic Splines", "Polynomial", "NLI", "BB-Form", "Midpoint"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_STREQ(scene.tab->entries[i].label, labels[i]);
        EXPECT_EQ(scene.tab->entries[i].userData, scene.manager);
    }
}

TEST_F(SceneTest, BothPanelsFollowTheWindowWhileItsBorderIsDragged) {
    window->update();
    headless->resizeClient(800, 700);
    window->update();
    expectPlace(*scene.framePanel, 0, 0, 800, 700);
    expectPlace(*scene.drawingPanel, 15, 25, 770, 550);
    expectPlace(*scene.manager->clearButton, 685, 585, 100, 25);
    EXPECT_EQ(headless->windowPixel(784, 574), WHITE);
    EXPECT_EQ(headless->windowPixel(790, 300), GREY);

    headless->resizeClient(20, 60);
    window->update();
    expectPlace(*scene.drawingPanel, 15, 25, 0, 0);
}

TEST_F(SceneTest, SelectingMidpointShowsOnlyItsRowUnderTheDrawingPanel) {
    window->update();
    press(490, 17);
    release(490, 17);
    ASSERT_NE(dynamic_cast<Midpoint*>(scene.manager->generator), nullptr);
    EXPECT_EQ(scene.tab->entries[5].selected, 1);
    EXPECT_EQ(scene.tab->entries[0].selected, 0);

    const std::vector<Control*>& controls = scene.framePanel->controls;
    ASSERT_EQ(controls.size(), 2u);
    EXPECT_EQ(controls[0], scene.manager->clearButton);
    const auto* bar = dynamic_cast<ScrollBar*>(controls[1]);
    ASSERT_NE(bar, nullptr);
    expectPlace(*bar, 95, 570, 380, 25);
    EXPECT_EQ(bar->position, 5);
    EXPECT_EQ(headless->control(bar->handle)->scrollMax, 10);

    const std::vector<Object*>& objects = scene.framePanel->objects;
    ASSERT_EQ(objects.size(), 3u);
    const auto* label = dynamic_cast<TextObj*>(objects[2]);
    ASSERT_NE(label, nullptr);
    EXPECT_STREQ(label->text, "Curve Res:");
    EXPECT_EQ(label->x, 15);
    EXPECT_EQ(label->y, 574);
    EXPECT_EQ(headless->windowPixel(13, 300), rgb(255, 0, 0)) << "Midpoint's red frame";
}

TEST_F(SceneTest, EscapeEndsTheProgramsLoop) {
    headless->post(WM_KEYDOWN, VK_ESCAPE);
    runMainLoop(*window);
    EXPECT_FALSE(window->closed);
}

}  // namespace
