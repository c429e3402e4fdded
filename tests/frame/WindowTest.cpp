// The window's input state, message handling and main loop.
#include <algorithm>
#include <vector>

#include "HeadlessFixture.h"
#include "Object.h"
#include "Panel.h"

namespace {

struct Probe : Object {  // counts its panel's update passes
    Probe() : Object(99) {}
    void update() override { ++updates; }
    int updates = 0;
};

class WindowTest : public HeadlessFixture {
protected:
    WindowTest() {
        openWindow();
        panel = window->createPanel(100, 50);
        panel->addObject(probe);
    }
    Probe* probe = new Probe;
    Panel* panel = nullptr;
};

// What one frame's messages leave for the objects: the buttons and the key table.
TEST_F(WindowTest, InputMessagesSetTheStateObjectsRead) {
    const struct {
        const char* name;
        std::vector<std::pair<std::uint32_t, WPARAM>> messages;
        std::uint32_t buttons;
        std::int32_t key;
        bool defaultHandling;
    } cases[] = {
        {"left", {{WM_LBUTTONDOWN, 0}}, 1, -1, false},
        {"extra 2", {{WM_XBUTTONDOWN, makeWParam(0, 2)}}, 16, -1, false},
        {"press and release", {{WM_RBUTTONDOWN, 0}, {WM_RBUTTONUP, 0}}, 0, -1, false},
        {"key", {{WM_KEYDOWN, 'A'}}, 0, 'A', false},
        {"Alt+F4 is only a key", {{WM_SYSKEYDOWN, 0x73}}, 0, 0x73, false},
        {"key released", {{WM_KEYDOWN, 'A'}, {WM_KEYUP, 'A'}}, 0, -1, false},
        {"codes beyond the table", {{WM_KEYDOWN, 256}, {WM_SYSKEYDOWN, 70000}}, 0, -1, false},
        {"others go to the default handling", {{WM_LBUTTONDBLCLK, 0}}, 0, -1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        window->mouse.buttons = 0;
        std::fill(std::begin(window->keys), std::end(window->keys), 0);
        headless->defaultHandled.clear();
        for (const auto& [message, wParam] : c.messages) headless->post(message, wParam);
        window->update();
        EXPECT_EQ(window->mouse.buttons, c.buttons);
        for (std::int32_t key = 0; key < 256; ++key) EXPECT_EQ(window->keys[key], key == c.key ? 1 : 0) << key;
        EXPECT_EQ(!headless->defaultHandled.empty(), c.defaultHandling);
        EXPECT_FALSE(window->closed);
    }
}

TEST_F(WindowTest, MouseInsideAPanelIncludesBothEnds) {
    const struct {
        std::int32_t x, y, inside;
    } cases[] = {{0, 0, 1}, {100, 50, 1}, {-1, 0, 0}, {0, -1, 0}, {101, 10, 0}, {10, 51, 0}};
    for (const auto& c : cases) {
        frameAt(c.x, c.y);
        EXPECT_EQ(panel->mouseInside, c.inside) << c.x << ", " << c.y;
    }
}

// Minimised, the window leaves its panels alone; one that only lost the focus goes on drawing.
// The loop ends on Escape after the frame's sleep, or on close, whose frame updates no panel.
TEST_F(WindowTest, OnlyMinimisingPausesThePanelsAndEscapeOrCloseEndsTheLoop) {
    for (const auto& [activation, updates] : {std::pair{makeWParam(WA_INACTIVE, 1), 0},
                                              {makeWParam(WA_INACTIVE, 0), 1}, {makeWParam(1, 0), 1}}) {
        probe->updates = 0;
        headless->post(WM_ACTIVATE, activation);
        window->update();
        EXPECT_EQ(probe->updates, updates) << activation;
    }
    probe->updates = 0;
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
