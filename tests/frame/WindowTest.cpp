// The window's input state, message handling and main loop.
#include <algorithm>
#include <vector>

#include "DrawingSceneFixture.h"
#include "Object.h"

namespace {

struct Probe : Object {  // counts its panel's update passes
    Probe() : Object(99) {}
    void update() override { ++updates; }
    int updates = 0;
};

struct WindowTest : DrawingSceneFixture {
    WindowTest() { window->createPanel(100, 50)->addObject(probe); }
    Probe* probe = new Probe;
};

// What one frame's messages leave for the objects; minimised, the window leaves its panels alone.
TEST_F(WindowTest, InputMessagesSetTheStateObjectsRead) {
    using Messages = std::vector<std::pair<std::uint32_t, WPARAM>>;
    const struct { const char* name; Messages sent; std::uint32_t buttons; int key, updates, toDefault; } cases[] = {
        {"left", {{WM_LBUTTONDOWN, 0}}, 1, -1, 1, 0}, {"extra 2", {{WM_XBUTTONDOWN, makeWParam(0, 2)}}, 16, -1, 1, 0},
        {"press and release", {{WM_RBUTTONDOWN, 0}, {WM_RBUTTONUP, 0}}, 0, -1, 1, 0},
        {"key", {{WM_KEYDOWN, 'A'}}, 0, 'A', 1, 0}, {"Alt+F4 is only a key", {{WM_SYSKEYDOWN, 0x73}}, 0, 0x73, 1, 0},
        {"key released", {{WM_KEYDOWN, 'A'}, {WM_KEYUP, 'A'}}, 0, -1, 1, 0},
        {"codes beyond the table", {{WM_KEYDOWN, 256}, {WM_SYSKEYDOWN, 70000}}, 0, -1, 1, 0},
        {"others go to the default handling", {{WM_LBUTTONDBLCLK, 0}}, 0, -1, 1, 1},
        {"minimised", {{WM_ACTIVATE, makeWParam(WA_INACTIVE, 1)}}, 0, -1, 0, 0},
        {"only the focus lost", {{WM_ACTIVATE, makeWParam(WA_INACTIVE, 0)}}, 0, -1, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        window->mouse.buttons = 0;
        std::fill(std::begin(window->keys), std::end(window->keys), 0);
        headless->defaultHandled.clear();
        probe->updates = 0;
        for (const auto& [message, wParam] : c.sent) headless->post(message, wParam);
        window->update();
        EXPECT_EQ(window->mouse.buttons, c.buttons);
        for (int key = 0; key < 256; ++key) EXPECT_EQ(window->keys[key], key == c.key ? 1 : 0) << key;
        EXPECT_EQ(probe->updates, c.updates);
        EXPECT_EQ(headless->defaultHandled.empty(), c.toDefault == 0);
        EXPECT_FALSE(window->closed);
    }
}

// The loop ends on Escape after the frame's sleep, or on close, whose frame updates no panel.
TEST_F(WindowTest, TheLoopEndsOnEscapeAfterTheSleepOrOnClose) {
    headless->post(WM_KEYDOWN, VK_ESCAPE);
    runMainLoop(*window);
    EXPECT_EQ(std::make_pair(headless->sleptMilliseconds, probe->updates), std::make_pair(10, 1));
    EXPECT_FALSE(window->closed);

    headless->post(WM_KEYUP, VK_ESCAPE);
    headless->post(WM_CLOSE);
    runMainLoop(*window);
    EXPECT_EQ(std::make_pair(headless->sleptMilliseconds, probe->updates), std::make_pair(20, 1));
    EXPECT_TRUE(headless->window(window->nativeHandle())->destroyed);
}

}  // namespace
