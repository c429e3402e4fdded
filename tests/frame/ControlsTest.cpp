// The four native controls, driven through a real window the way the user drives them.
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
    std::vector<std::int32_t> checks;
    std::vector<std::int32_t> positions;
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

    // The control joins the top-level panel, so the window offers it messages and polls it.
    template <typename T>
    T* add(T* control) {
        panel->addControl(control);
        return control;
    }
    ScrollBar* addScrollBar(std::int32_t vertical = 0) {
        ScrollBar* bar = add(new ScrollBar(window, 10, 500, 200, 20, vertical));
        bar->callback = Listener::onScroll;
        bar->userData = &listener;
        return bar;
    }
    std::int32_t nativePosition(const ScrollBar* bar) { return headless->control(bar->handle)->scrollPos; }
    bool reachedWindowProcedure(std::uint32_t message) const {
        for (std::uint32_t handled : headless->defaultHandled)
            if (handled == message) return true;
        return false;
    }

    Panel* panel = nullptr;
    Listener listener;
};

TEST_F(ControlsTest, EachControlCreatesItsNativeChildOfTheMainWindow) {
    const struct {
        Control* control;
        const char* className;
        const char* text;
        std::uint32_t style;
    } cases[] = {
        {add(new Button(window, 1, 2, 30, 40, "Clear")), "BUTTON", "Clear", 0x50000000},
        {add(new CheckBox(window, 1, 2, 30, 40, "Draw Shells")), "BUTTON", "Draw Shells", 0x50000002},
        {add(new ScrollBar(window, 1, 2, 30, 40, 0)), "SCROLLBAR", "", 0x50000000},
        {add(new ScrollBar(window, 1, 2, 30, 40, 7)), "SCROLLBAR", "", 0x50000001},
        {add(new TextBox(window, 1, 2, 30, 40)), "edit", "", 0x50800000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.className);
        const HeadlessControl* native = headless->control(c.control->handle);
        ASSERT_NE(native, nullptr);
        EXPECT_EQ(native->className, c.className);
        EXPECT_EQ(native->text, c.text);
        EXPECT_EQ(native->style, c.style);
        EXPECT_EQ(native->parent, window->nativeHandle());
        EXPECT_EQ(c.control->x, 1);
        EXPECT_EQ(native->x, 1);
        EXPECT_EQ(c.control->height, 40);
        EXPECT_EQ(native->height, 40);
    }
}

TEST_F(ControlsTest, DeletingControlsDestroysTheirNativeWindowsAndTheCheckBoxBrush) {
    std::vector<Control*> all = {new Button(window, 0, 0, 9, 9, "b"), new CheckBox(window, 0, 0, 9, 9, "c"),
                                 new ScrollBar(window, 0, 0, 9, 9, 0), new TextBox(window, 0, 0, 9, 9)};
    EXPECT_EQ(headless->liveControls().size(), 4u);
    EXPECT_EQ(headless->liveBrushes, 1);
    for (Control* control : all) delete control;
    EXPECT_TRUE(headless->liveControls().empty());
    EXPECT_EQ(headless->liveBrushes, 0);
}

TEST_F(ControlsTest, ButtonClickCallsBackAndReturnsTheFocusToTheMainWindow) {
    Button* button = add(new Button(window, 10, 10, 60, 20, "Clear"));
    button->callback = Listener::onClick;
    button->userData = &listener;
    headless->focus = button->handle;  // the platform focuses what was clicked

    headless->click(button->handle);
    window->update();

    EXPECT_EQ(listener.clicks, 1);
    EXPECT_EQ(headless->focus, window->nativeHandle());
    EXPECT_FALSE(reachedWindowProcedure(WM_COMMAND));
}

TEST_F(ControlsTest, ButtonsAndCheckBoxesTakeOnlyTheirOwnCommandsAndActOnlyOnClicks) {
    Button* button = add(new Button(window, 0, 0, 50, 20, "b"));
    button->callback = Listener::onClick;
    button->userData = &listener;
    CheckBox* box = add(new CheckBox(window, 0, 30, 50, 20, "c"));
    box->callback = Listener::onCheck;
    box->userData = &listener;
    const NativeHandle stranger = box->handle + 1000;
    const struct {
        const char* name;
        std::uint16_t notification;
        NativeHandle target;
        std::int32_t clicks;
        std::size_t checks;
        bool reachesWindow;
    } cases[] = {
        {"button click", BN_CLICKED, button->handle, 1, 0, false},
        {"button's other notification is swallowed", 5, button->handle, 0, 0, false},
        {"check box click", BN_CLICKED, box->handle, 0, 1, false},
        {"check box's other notification is swallowed", 5, box->handle, 0, 0, false},
        {"another control's click", BN_CLICKED, stranger, 0, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        listener = Listener{};
        headless->defaultHandled.clear();
        headless->post(WM_COMMAND, makeWParam(0, c.notification), c.target);
        window->update();
        EXPECT_EQ(listener.clicks, c.clicks);
        EXPECT_EQ(listener.checks.size(), c.checks);
        EXPECT_EQ(reachedWindowProcedure(WM_COMMAND), c.reachesWindow);
    }
}

TEST_F(ControlsTest, CheckBoxClicksToggleTheMarkAndReportTheNewState) {
    CheckBox* box = add(new CheckBox(window, 10, 10, 100, 20, "Draw Shells"));
    box->callback = Listener::onCheck;
    box->userData = &listener;
    EXPECT_EQ(headless->control(box->handle)->checkMark, 0);

    for (std::int32_t expected : {1, 0}) {
        headless->focus = box->handle;
        headless->click(box->handle);
        window->update();
        EXPECT_EQ(box->checked, expected);
        EXPECT_EQ(headless->control(box->handle)->checkMark, expected);
        EXPECT_EQ(headless->focus, window->nativeHandle());
    }
    EXPECT_EQ(listener.checks, (std::vector<std::int32_t>{1, 0}));

    box->setChecked(1);
    EXPECT_EQ(headless->control(box->handle)->checkMark, 1);
    EXPECT_EQ(listener.checks.size(), 2u) << "setting the mark is not a click";
    headless->click(box->handle);
    window->update();
    EXPECT_EQ(listener.checks.back(), 0);
    EXPECT_EQ(headless->control(box->handle)->checkMark, 0);
}

TEST_F(ControlsTest, CheckBoxHandsItsBrushOnlyForItsOwnBackground) {
    CheckBox* box = add(new CheckBox(window, 10, 10, 100, 20, "Draw Shells"));
    EXPECT_NE(box->brush, 0);
    EXPECT_EQ(box->handleMessage(WM_CTLCOLORSTATIC, 0, box->handle), box->brush);
    EXPECT_EQ(box->handleMessage(WM_CTLCOLORSTATIC, 0, box->handle + 1000), 0);
    EXPECT_EQ(box->handleMessage(WM_SIZE, 0, box->handle), 0);
}

TEST_F(ControlsTest, FreshScrollBarIsHalfWayBeforeAnyPoll) {
    ScrollBar* bar = addScrollBar();
    EXPECT_EQ(bar->position, 500);
    EXPECT_FLOAT_EQ(bar->value, 0.5f);
    EXPECT_EQ(nativePosition(bar), 500);
    EXPECT_EQ(headless->control(bar->handle)->scrollMax, 1000);
}

TEST_F(ControlsTest, ScrollRequestsMoveWithinTheRangeAndReportThePositionReadBack) {
    const struct {
        const char* name;
        std::int32_t maximum, start, lineStep, pageStep;
        std::uint32_t request;
        std::uint16_t thumb;
        std::int32_t expected;
    } cases[] = {
        {"line left", 1000, 500, 5, 20, SB_LINELEFT, 0, 495},
        {"line right", 1000, 500, 5, 20, SB_LINERIGHT, 0, 505},
        {"page left", 1000, 500, 5, 20, SB_PAGELEFT, 0, 480},
        {"page right", 1000, 500, 5, 20, SB_PAGERIGHT, 0, 520},
        {"thumb position", 1000, 500, 5, 20, SB_THUMBPOSITION, 123, 123},
        {"thumb track", 1000, 500, 5, 20, SB_THUMBTRACK, 877, 877},
        {"line left at 0 stays at 0", 1000, 0, 5, 20, SB_LINELEFT, 0, 0},
        {"page left clamps at 0", 1000, 7, 5, 20, SB_PAGELEFT, 0, 0},
        {"line right clamps at the end", 1000, 998, 5, 20, SB_LINERIGHT, 0, 1000},
        {"thumb beyond the end", 1000, 500, 5, 20, SB_THUMBTRACK, 65535, 1000},
        {"resolution bar steps by one", 10, 4, 1, 1, SB_LINERIGHT, 0, 5},
        {"resolution bar page at the end", 20, 20, 1, 1, SB_PAGERIGHT, 0, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        listener.positions.clear();
        ScrollBar* bar = addScrollBar();
        bar->setRange(c.maximum);
        bar->setPosition(c.start);
        bar->lineStep = c.lineStep;
        bar->pageStep = c.pageStep;

        headless->scroll(bar->handle, c.request, c.thumb);
        window->update();

        EXPECT_EQ(nativePosition(bar), c.expected);
        EXPECT_EQ(bar->position, c.expected);
        EXPECT_FLOAT_EQ(bar->value, static_cast<float>(c.expected / 1000.0));
        EXPECT_EQ(listener.positions, std::vector<std::int32_t>{c.expected});
        panel->removeControl(bar);
        delete bar;
    }
}

TEST_F(ControlsTest, ScrollCodesAboveThumbTrackNeitherMoveNorCallBack) {
    ScrollBar* bar = addScrollBar();
    headless->scroll(bar->handle, SB_THUMBTRACK, 300);
    headless->scroll(bar->handle, SB_THUMBTRACK, 310);
    headless->scroll(bar->handle, SB_ENDSCROLL, 999);
    headless->scroll(bar->handle, SB_LEFT);
    headless->scroll(bar->handle, SB_RIGHT);
    window->update();
    EXPECT_EQ(listener.positions, (std::vector<std::int32_t>{300, 310}));
    EXPECT_EQ(nativePosition(bar), 310);
    EXPECT_FALSE(reachedWindowProcedure(WM_HSCROLL)) << "the bar's requests are handled, whatever their code";
}

TEST_F(ControlsTest, ScrollStepsStartFromTheNativeBarNotFromTheField) {
    ScrollBar* bar = addScrollBar();
    bar->position = 0;  // stale field; the native bar still says 500
    headless->scroll(bar->handle, SB_LINERIGHT);
    window->update();
    EXPECT_EQ(bar->position, 505);
}

TEST_F(ControlsTest, VerticalBarAnswersVerticalScrollMessages) {
    ScrollBar* bar = addScrollBar(1);
    headless->scroll(bar->handle, SB_PAGERIGHT);
    window->update();
    EXPECT_EQ(listener.positions, std::vector<std::int32_t>{520});
}

TEST_F(ControlsTest, ScrollBarsIgnoreOtherBarsRequests) {
    ScrollBar* first = addScrollBar();
    ScrollBar* second = addScrollBar();
    headless->scroll(second->handle, SB_LINELEFT);
    window->update();
    EXPECT_EQ(nativePosition(first), 500);
    EXPECT_EQ(nativePosition(second), 495);
    EXPECT_EQ(listener.positions.size(), 1u);
}

TEST_F(ControlsTest, SetPositionLandsOnTheRangeEndAndValueFollowsOnlyAtThePoll) {
    ScrollBar* bar = addScrollBar();
    bar->setPosition(250);
    EXPECT_EQ(bar->position, 250);
    EXPECT_FLOAT_EQ(bar->value, 0.5f) << "value waits for the next poll";
    window->update();
    EXPECT_FLOAT_EQ(bar->value, 0.25f);

    bar->setPosition(5000);
    window->update();
    EXPECT_EQ(bar->position, 1000);
    EXPECT_FLOAT_EQ(bar->value, 1.0f);

    bar->setPosition(-3);
    window->update();
    EXPECT_EQ(bar->position, 0);
    EXPECT_TRUE(listener.positions.empty()) << "polls and set-position calls do not call back";
}

TEST_F(ControlsTest, ValueStaysPerMilleWhateverTheRange) {
    ScrollBar* bar = addScrollBar();
    bar->setRange(10);
    window->update();
    EXPECT_EQ(bar->position, 10) << "a shorter range pulls the thumb to its end";
    EXPECT_FLOAT_EQ(bar->value, 0.01f);
}

TEST_F(ControlsTest, TextBoxReportsEachEditedFrameOnceWithTheWholeText) {
    TextBox* box = add(new TextBox(window, 10, 10, 100, 20));
    box->callback = Listener::onText;
    box->userData = &listener;

    headless->typeText(box->handle, "0 1");
    window->update();
    window->update();
    headless->typeText(box->handle, "0 1 2");
    window->update();

    EXPECT_EQ(listener.texts, (std::vector<std::string>{"0 1", "0 1 2"}));
    EXPECT_FALSE(headless->control(box->handle)->modified);
}

TEST_F(ControlsTest, TextBoxCutsLongTextsTo255Characters) {
    TextBox* box = add(new TextBox(window, 10, 10, 100, 20));
    box->callback = Listener::onText;
    box->userData = &listener;
    const std::string typed = std::string(255, 'a') + "bcdef";

    headless->typeText(box->handle, typed);
    window->update();

    ASSERT_EQ(listener.texts.size(), 1u);
    EXPECT_EQ(listener.texts[0], typed.substr(0, 255));
}

TEST_F(ControlsTest, TextBoxWithoutCallbackStillClearsTheModifiedFlag) {
    TextBox* box = add(new TextBox(window, 10, 10, 100, 20));
    headless->typeText(box->handle, "3");
    window->update();
    EXPECT_FALSE(headless->control(box->handle)->modified);

    // A listener attached later hears only edits made after the flag was cleared.
    box->callback = Listener::onText;
    box->userData = &listener;
    window->update();
    EXPECT_TRUE(listener.texts.empty());
}

}  // namespace
