// The backend on a real X server (backend.sh starts one with a window manager).
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <chrono>

#include "FltkPlatform.h"

namespace {
using Clock = std::chrono::steady_clock;

class FltkPlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!FltkPlatform::displayAvailable()) GTEST_SKIP() << "no X display";
        platform.registerClass("Test", 0, [](NativeHandle, std::uint32_t, WPARAM, LPARAM) -> LRESULT { return 0; });
        window = platform.createWindow("Test", "backend test", 0, 0, 200, 150);
        // Frames as the main loop runs them, every pending message dispatched, then a sleep.
        for (const auto end = Clock::now() + std::chrono::seconds(3); !mapped(); platform.sleep(10)) {
            for (Message message; platform.peekMessage(window, message);) platform.dispatchMessage(message);
            ASSERT_LT(Clock::now(), end) << "the window was never shown";
        }
    }

    bool mapped() {
        XWindowAttributes attributes;
        return Fl::first_window() != nullptr && xid() != 0 &&
               XGetWindowAttributes(fl_display, xid(), &attributes) != 0 && attributes.map_state == IsViewable;
    }
    ::Window xid() { return fl_xid(Fl::first_window()); }

    FltkPlatform platform;
    NativeHandle window = 0;
};
}  // namespace

TEST_F(FltkPlatformTest, CursorPositionIsInClientCoordinatesAlsoOutsideTheWindow) {
    int originX = 0, originY = 0;
    ::Window child;
    XTranslateCoordinates(fl_display, xid(), RootWindow(fl_display, fl_screen), 0, 0, &originX, &originY, &child);
    for (const Point p : {Point{10, 20}, Point{-1, 5}, Point{250, 190}}) {
        XWarpPointer(fl_display, None, RootWindow(fl_display, fl_screen), 0, 0, 0, 0, originX + p.x, originY + p.y);
        XSync(fl_display, False);
        const Point cursor = platform.cursorPosition(window);
        EXPECT_EQ(std::make_pair(cursor.x, cursor.y), std::make_pair(p.x, p.y));
    }
}
