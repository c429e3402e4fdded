// The four native controls in a window, driven through their native reports as the user drives them.
#include <string>
#include <vector>

#include "Button.h"
#include "CheckBox.h"
#include "HeadlessFixture.h"
#include "Panel.h"
#include "ScrollBar.h"
#include "TextBox.h"

namespace {

// Records every notification its controls send.
struct Listener {
    std::int32_t clicks = 0;
    std::vector<std::int32_t> checks, positions;
    std::vector<std::string> texts;

    static void onClick(void* self) { ++static_cast<Listener*>(self)->clicks; }
    static void onCheck(std::int32_t checked, void* self) { static_cast<Listener*>(self)->checks.push_back(checked); }
    static void onScroll(ScrollBar* bar, void* self) { static_cast<Listener*>(self)->positions.push_back(bar->position); }
    static void onText(void* self, char* text) {
        static_cast<Listener*>(self)->texts.emplace_back(text);
        delete[] text;
    }
};

class ControlsTest : public HeadlessFixture {
protected:
    ControlsTest() { panel = openWindow().createPanel(600, 600); }

    // In the top-level panel, so the window offers it messages and polls it.
    template <typename T>
    T* add(T* control) {
        panel->addControl(control);
        control->userData = &listener;
        return control;
    }
    bool reachedWindowProcedure(std::uint32_t message) const {
        for (std::uint32_t handled : headless->defaultHandled)
            if (handled == message) return true;
        return false;
    }

    Panel* panel = nullptr;
    Listener listener;
};

TEST_F(ControlsTest, EachControlIsANativeChildOfTheMainWindowAndGoesWithIt) {
    const struct {
        Control* control;
        const char* className;
        const char* text;
        std::uint32_t style;
    } cases[] = {
        {new Button(window, 1, 2, 30, 40, "Clear"), "BUTTON", "Clear", 0x50000000},
        {new CheckBox(window, 1, 2, 30, 40, "Draw Shells"), "BUTTON", "Draw Shells", 0x50000002},
        {new ScrollBar(window, 1, 2, 30, 40, 0), "SCROLLBAR", "", 0x50000000},
        {new TextBox(window, 1, 2, 30, 40), "edit", "", 0x50800000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.className);
        const HeadlessControl* native = headless->control(c.control->handle);
        EXPECT_EQ(std::make_pair(native->className, native->text), std::make_pair(std::string(c.className), std::string(c.text)));
        EXPECT_EQ(native->style, c.style);
        EXPECT_EQ(native->parent, window->nativeHandle());
        EXPECT_EQ(std::vector({native->x, native->y, native->width, native->height}), std::vector({1, 2, 30, 40}));
        delete c.control;
    }
    EXPECT_TRUE(headless->liveControls().empty());
    EXPECT_EQ(headless->liveBrushes, 0) << "the check box's brush";
}

TEST_F(ControlsTest, ButtonsAndCheckBoxesActOnTheirOwnClicksAndGiveTheKeysBack) {
    Button* button = add(new Button(window, 0, 0, 50, 20, "b"));
    button->callback = Listener::onClick;
    CheckBox* box = add(new CheckBox(window, 0, 30, 50, 20, "c"));
    box->callback = Listener::onCheck;
    const struct {
        const char* name;
        std::uint16_t notification;
        NativeHandle target;
        std::int32_t clicks;
        std::vector<std::int32_t> checks;
        bool reachesWindow;
    } cases[] = {
        {"button click", BN_CLICKED, button->handle, 1, {}, false},
        {"button's other notification is swallowed", 5, button->handle, 0, {}, false},
        {"check box click", BN_CLICKED, box->handle, 0, {1}, false},
        {"check box again", BN_CLICKED, box->handle, 0, {0}, false},
        {"check box's other notification is swallowed", 5, box->handle, 0, {}, false},
        {"another control's click", BN_CLICKED, box->handle + 1000, 0, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        listener = Listener{};
        headless->defaultHandled.clear();
        headless->focus = c.target;  // the platform focuses what was clicked
        headless->post(WM_COMMAND, makeWParam(0, c.notification), c.target);
        window->update();
        EXPECT_EQ(listener.clicks, c.clicks);
        EXPECT_EQ(listener.checks, c.checks);
        EXPECT_EQ(reachedWindowProcedure(WM_COMMAND), c.reachesWindow);
        const bool acted = c.notification == BN_CLICKED && !c.reachesWindow;
        EXPECT_EQ(headless->focus == window->nativeHandle(), acted) << "the main window gets the keys back";
    }
    EXPECT_EQ(headless->control(box->handle)->checkMark, 0);
    box->setChecked(1);
    EXPECT_EQ(headless->control(box->handle)->checkMark, 1);
    EXPECT_TRUE(listener.checks.empty()) << "setting the mark is not a click";
    // Its brush paints its own background only.
    EXPECT_EQ(box->handleMessage(WM_CTLCOLORSTATIC, 0, box->handle), box->brush);
    EXPECT_EQ(box->handleMessage(WM_CTLCOLORSTATIC, 0, button->handle), 0);
}

TEST_F(ControlsTest, ScrollRequestsMoveWithinTheRangeAndReportThePositionReadBack) {
    const struct {
        const char* name;
        std::int32_t maximum, start, step;
        std::uint32_t request;
        std::uint16_t thumb;
        std::vector<std::int32_t> reported;
    } cases[] = {
        {"line left", 1000, 500, 5, SB_LINELEFT, 0, {495}},
        {"line right", 1000, 500, 5, SB_LINERIGHT, 0, {505}},
        {"page left", 1000, 500, 5, SB_PAGELEFT, 0, {480}},
        {"page right", 1000, 500, 5, SB_PAGERIGHT, 0, {520}},
        {"thumb position", 1000, 500, 5, SB_THUMBPOSITION, 123, {123}},
        {"thumb track", 1000, 500, 5, SB_THUMBTRACK, 877, {877}},
        {"the native bar keeps to its range", 1000, 998, 5, SB_LINERIGHT, 0, {1000}},
        {"end of scroll neither moves nor reports", 1000, 500, 5, SB_ENDSCROLL, 999, {}},
        {"nor do codes beyond it", 1000, 500, 5, SB_RIGHT, 999, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScrollBar* bar = add(new ScrollBar(window, 10, 500, 200, 20, 0));
        ScrollBar* other = add(new ScrollBar(window, 10, 530, 200, 20, 0));  // keeps its place
        bar->callback = other->callback = Listener::onScroll;
        bar->setRange(c.maximum);
        bar->setPosition(c.start);
        bar->lineStep = c.step;
        bar->pageStep = c.step * 4;
        listener.positions.clear();

        headless->scroll(bar->handle, c.request, c.thumb);
        window->update();

        const std::int32_t expected = c.reported.empty() ? c.start : c.reported.back();
        EXPECT_EQ(std::make_pair(bar->position, headless->control(bar->handle)->scrollPos), std::make_pair(expected, expected));
        EXPECT_FLOAT_EQ(bar->value, static_cast<float>(expected / 1000.0));
        EXPECT_EQ(listener.positions, c.reported);
        EXPECT_EQ(headless->control(other->handle)->scrollPos, 500);
        EXPECT_FALSE(reachedWindowProcedure(WM_HSCROLL)) << "a bar takes its own reports";
        for (ScrollBar* each : {bar, other}) {
            panel->removeControl(each);
            delete each;
        }
    }
}

TEST_F(ControlsTest, AnEditBoxReportsEachEditedFrameOnceWithTheTextCutTo255Characters) {
    TextBox* box = add(new TextBox(window, 10, 10, 100, 20));
    box->callback = Listener::onText;
    const std::string longText = std::string(255, 'a') + "bcdef";
    headless->typeText(box->handle, "0 1");
    window->update();
    window->update();
    headless->typeText(box->handle, longText);
    window->update();
    EXPECT_EQ(listener.texts, (std::vector<std::string>{"0 1", longText.substr(0, 255)}));
}

}  // namespace
