// The window's input state, message handling and main loop, on the headless backend.
#include <string>
#include <vector>

#include "Control.h"
#include "HeadlessFixture.h"
#include "Object.h"
#include "Panel.h"

namespace {

// Counts what a panel asks of it.
class Probe : public Object {
public:
    Probe() : Object(99) {}
    void update() override { ++updates; }
    void draw() override { ++draws; }
    int updates = 0;
    int draws = 0;
};

// A control that takes every message of one number.
class Swallower : public Control {
public:
    Swallower(Window* window, std::uint32_t taken, LRESULT answer)
        : Control(window), taken(taken), answer(answer) {}
    LRESULT handleMessage(std::uint32_t message, WPARAM, LPARAM) override {
        return message == taken ? answer : 0;
    }
    std::uint32_t taken;
    LRESULT answer;
};

WPARAM wheelDelta(std::int16_t delta) { return makeWParam(0, static_cast<std::uint16_t>(delta)); }

using WindowTest = HeadlessFixture;

TEST_F(WindowTest, WheelKeepsTheLastMessagesWholeNotchesForOneFrame) {
    openWindow();
    const struct {
        std::vector<std::int16_t> deltas;
        std::int32_t notches;
    } cases[] = {{{60}, 0}, {{-120}, -1}, {{240}, 2}, {{240, -120}, -1}, {{-360, 120}, 1}};
    for (const auto& c : cases) {
        for (std::int16_t delta : c.deltas) headless->post(WM_MOUSEWHEEL, wheelDelta(delta));
        window->update();
        EXPECT_EQ(window->mouse.wheel, c.notches);
        window->update();
        EXPECT_EQ(window->mouse.wheel, 0) << "the wheel is reset at the start of every frame";
    }
}

TEST_F(WindowTest, ButtonBitsFollowTheirMessages) {
    openWindow();
    const struct {
        std::uint32_t down, up;
        WPARAM wParam;
        std::uint32_t bit;
    } buttons[] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, 0, 1},
                   {WM_RBUTTONDOWN, WM_RBUTTONUP, 0, 2},
                   {WM_MBUTTONDOWN, WM_MBUTTONUP, 0, 4},
                   {WM_XBUTTONDOWN, WM_XBUTTONUP, makeWParam(0, 1), 8},
                   {WM_XBUTTONDOWN, WM_XBUTTONUP, makeWParam(0, 2), 16}};
    for (const auto& b : buttons) {
        headless->post(b.down, b.wParam);
        window->update();
        EXPECT_EQ(window->mouse.buttons, b.bit);
        headless->post(b.up, b.wParam);
        window->update();
        EXPECT_EQ(window->mouse.buttons, 0u);
    }
}

TEST_F(WindowTest, PressAndReleaseInOneFrameAreNeverSeenByObjects) {
    openWindow();
    Panel* panel = window->createPanel(100, 100);
    struct ButtonWatcher : Object {
        ButtonWatcher() : Object(99) {}
        void update() override { seen |= owner->mouse.buttons; }
        std::uint32_t seen = 0;
    };
    auto* watcher = new ButtonWatcher;
    panel->addObject(watcher);
    headless->post(WM_LBUTTONDOWN);
    headless->post(WM_LBUTTONUP);
    window->update();
    EXPECT_EQ(watcher->seen, 0u);
}

TEST_F(WindowTest, CursorIsSampledBeforeThePumpAndMayLieOutside) {
    openWindow();
    headless->setCursor(-40, 900);
    window->update();
    EXPECT_EQ(window->mouse.x, -40);
    EXPECT_EQ(window->mouse.y, 900);
}

TEST_F(WindowTest, KeysAndSystemKeysFillTheTableWithoutDefaultHandling) {
    openWindow();
    headless->post(WM_KEYDOWN, 'A');
    headless->post(WM_SYSKEYDOWN, 0x73);  // Alt+F4 must not close the window
    window->update();
    EXPECT_EQ(window->keys['A'], 1);
    EXPECT_EQ(window->keys[0x73], 1);
    headless->post(WM_KEYUP, 'A');
    headless->post(WM_SYSKEYUP, 0x73);
    window->update();
    EXPECT_EQ(window->keys['A'], 0);
    EXPECT_EQ(window->keys[0x73], 0);
    EXPECT_TRUE(headless->defaultHandled.empty());
    EXPECT_FALSE(window->closed);
}

TEST_F(WindowTest, KeyCodesBeyondTheTableAreIgnored) {
    openWindow();
    headless->post(WM_KEYDOWN, 256);
    headless->post(WM_KEYDOWN, 70000);
    window->update();
    for (std::uint8_t key : window->keys) EXPECT_EQ(key, 0);
}

TEST_F(WindowTest, UnhandledMessagesGetDefaultHandling) {
    openWindow();
    headless->post(WM_LBUTTONDBLCLK);
    headless->post(WM_MOUSEMOVE);
    window->update();
    EXPECT_EQ(headless->defaultHandled, (std::vector<std::uint32_t>{WM_LBUTTONDBLCLK, WM_MOUSEMOVE}));
}

TEST_F(WindowTest, CurrentWindowIsSetOnlyWhileAMessageIsDispatched) {
    openWindow();
    EXPECT_EQ(currentWindow, nullptr);
    Window* seen = nullptr;
    struct Spy : Control {
        Spy(Window* w, Window** seen) : Control(w), seen(seen) {}
        LRESULT handleMessage(std::uint32_t, WPARAM, LPARAM) override {
            *seen = currentWindow;
            return 0;
        }
        Window** seen;
    };
    window->createPanel(10, 10)->addControl(new Spy(window, &seen));
    headless->post(WM_MOUSEMOVE);
    window->update();
    EXPECT_EQ(seen, window);
    EXPECT_EQ(currentWindow, nullptr);
    // Outside the pump the procedure only defers to the default handling.
    windowProc(window->nativeHandle(), WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(window->mouse.buttons, 0u);
}

TEST_F(WindowTest, AControlAnsweringOneSwallowsTheMessage) {
    openWindow();
    Panel* panel = window->createPanel(10, 10);
    panel->addControl(new Swallower(window, WM_LBUTTONDOWN, 1));
    headless->post(WM_LBUTTONDOWN);
    window->update();
    EXPECT_EQ(window->mouse.buttons, 0u);
    EXPECT_TRUE(headless->defaultHandled.empty());
}

TEST_F(WindowTest, OtherNonZeroAnswersBecomeTheProceduresResult) {
    openWindow();
    Panel* panel = window->createPanel(10, 10);
    panel->addControl(new Swallower(window, WM_CTLCOLORSTATIC, 0x4321));
    panel->addControl(new Swallower(window, WM_CTLCOLORSTATIC, 7));  // never asked: the first answer wins
    currentWindow = window;
    EXPECT_EQ(windowProc(window->nativeHandle(), WM_CTLCOLORSTATIC, 0, 0), 0x4321);
    EXPECT_EQ(windowProc(window->nativeHandle(), WM_MOUSEMOVE, 0, 0), 0);
    currentWindow = nullptr;
}

TEST_F(WindowTest, ControlsOfChildPanelsAreNotAsked) {
    openWindow();
    Panel* child = window->createPanel(10, 10)->createChild(5, 5);
    child->addControl(new Swallower(window, WM_LBUTTONDOWN, 1));
    headless->post(WM_LBUTTONDOWN);
    window->update();
    EXPECT_EQ(window->mouse.buttons, 1u);
}

TEST_F(WindowTest, SizeMessagesStoreTheSizeAndUpdatePanelsOnlyWhenNotZero) {
    openWindow();
    auto* probe = new Probe;
    window->createPanel(10, 10)->addObject(probe);
    currentWindow = window;
    windowProc(window->nativeHandle(), WM_SIZE, 0, makeLParam(0, 480));
    EXPECT_EQ(window->width, 0);
    EXPECT_EQ(window->height, 480);
    EXPECT_EQ(probe->updates, 0);
    windowProc(window->nativeHandle(), WM_SIZE, 0, makeLParam(640, 480));
    EXPECT_EQ(window->width, 640);
    EXPECT_EQ(probe->updates, 1) << "a real size runs an update pass at once";
    currentWindow = nullptr;
}

TEST_F(WindowTest, MinimisedWindowsPumpButDoNotUpdatePanels) {
    openWindow();
    auto* probe = new Probe;
    window->createPanel(10, 10)->addObject(probe);
    headless->post(WM_ACTIVATE, makeWParam(WA_INACTIVE, 1));
    window->update();
    headless->post(WM_KEYDOWN, 'Q');
    window->update();
    EXPECT_EQ(probe->updates, 0);
    EXPECT_EQ(window->keys['Q'], 1);
    headless->post(WM_ACTIVATE, makeWParam(1, 0));
    window->update();
    EXPECT_EQ(probe->updates, 1);
}

TEST_F(WindowTest, PaintRepaintsEveryTopLevelPanel) {
    openWindow();
    auto* probe = new Probe;
    window->createPanel(10, 10)->addObject(probe);
    window->update();
    const int drawsBefore = probe->draws;
    headless->post(WM_PAINT);
    window->update();
    EXPECT_EQ(probe->draws, drawsBefore + 1);
    EXPECT_EQ(headless->paints, 1);
}

TEST_F(WindowTest, CloseDestroysTheWindowAndSkipsThatFramesPanelUpdates) {
    openWindow();
    auto* probe = new Probe;
    window->createPanel(10, 10)->addObject(probe);
    headless->post(WM_CLOSE);
    window->update();
    EXPECT_TRUE(window->closed);
    EXPECT_TRUE(headless->window(window->nativeHandle())->destroyed);
    EXPECT_EQ(probe->updates, 0);
    window->update();  // a closed window's frame does nothing
    EXPECT_EQ(probe->updates, 0);
}

TEST_F(WindowTest, TheLoopEndsOnCloseOrOnEscapeAfterTheSleep) {
    openWindow();
    headless->post(WM_KEYDOWN, VK_ESCAPE);
    runMainLoop(*window);
    EXPECT_EQ(headless->sleptMilliseconds, 10);
    EXPECT_FALSE(window->closed);

    headless->post(WM_KEYUP, VK_ESCAPE);
    headless->post(WM_CLOSE);
    runMainLoop(*window);
    EXPECT_EQ(headless->sleptMilliseconds, 20);
    EXPECT_TRUE(window->closed);
}

TEST_F(WindowTest, TheClassIsRegisteredWhileAnyWindowLives) {
    openWindow();
    auto* second = new Window("second", 0, 0, 50, 50);
    EXPECT_EQ(headless->registrations, 1);
    delete second;
    EXPECT_TRUE(headless->classRegistered);
    delete window;
    window = nullptr;
    EXPECT_FALSE(headless->classRegistered);
    EXPECT_EQ(windowCount, 0);
}

TEST_F(WindowTest, AFailedRegistrationIsReportedOnStandardOutput) {
    headless->failRegistration = true;
    ::testing::internal::CaptureStdout();
    openWindow();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Error: Could not register OpenGL Window class\n");
    EXPECT_EQ(window->width, 600);
}

TEST_F(WindowTest, TheClientSizeComesFromTheCreatedWindow) {
    openWindow(640, 360);
    EXPECT_EQ(window->width, 640);
    EXPECT_EQ(window->height, 360);
    EXPECT_TRUE(window->active);
    EXPECT_FALSE(window->closed);
}

}  // namespace
