// The backend on a real X server (backend.sh starts one with a window manager).
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <chrono>
#include <functional>

#include "FltkPlatform.h"

namespace {
// The screen's pixel value for a colour whose channels are each 0 or 255, whatever the
// display's depth.
unsigned long xPixel(Colour colour) {
    const Visual& visual = *fl_visual->visual;
    return ((colour & 0xFF) != 0 ? visual.red_mask : 0) | ((colour & 0xFF00) != 0 ? visual.green_mask : 0) |
           ((colour & 0xFF0000) != 0 ? visual.blue_mask : 0);
}

class FltkPlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!FltkPlatform::displayAvailable()) GTEST_SKIP() << "no X display";
        platform.registerClass("Test", 0, [](NativeHandle, std::uint32_t, WPARAM, LPARAM) -> LRESULT { return 0; });
        window = platform.createWindow("Test", "backend test", 0, 0, 200, 150);
        ASSERT_TRUE(runFramesUntil([&] { return mapped(); })) << "the window was never shown";
    }

    // Frames as the main loop runs them: every pending message dispatched, then a sleep.
    void frame() {
        Message message;
        while (platform.peekMessage(window, message)) platform.dispatchMessage(message);
        platform.sleep(10);
    }

    bool runFramesUntil(const std::function<bool()>& done) {
        for (const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3); !done(); frame())
            if (std::chrono::steady_clock::now() > end) return false;
        return true;
    }

    Fl_Window& toolkitWindow() { return *Fl::first_window(); }

    bool mapped() {
        XWindowAttributes attributes;
        return Fl::first_window() != nullptr && fl_xid(&toolkitWindow()) != 0 &&
               XGetWindowAttributes(fl_display, fl_xid(&toolkitWindow()), &attributes) != 0 &&
               attributes.map_state == IsViewable;
    }

    unsigned long screenPixel(int x, int y) {
        XImage* image = XGetImage(fl_display, fl_xid(&toolkitWindow()), x, y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long pixel = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        return pixel;
    }

    FltkPlatform platform;
    NativeHandle window = 0;
};
}  // namespace

TEST_F(FltkPlatformTest, DrawingsReachTheScreenUnderTheControls) {
    platform.createPushButton("Clear", 20, 20, 80, 30, window);
    Surface& surface = *platform.getDC(window);
    for (const Colour colour : {rgb(255, 0, 0), rgb(0, 0, 255)}) {
        surface.fillRect(0, 0, 200, 150, colour);
        EXPECT_TRUE(runFramesUntil([&] { return screenPixel(150, 100) == xPixel(colour); }))
            << "the surface never showed";
        const unsigned long face = screenPixel(60, 35);
        EXPECT_NE(face, xPixel(rgb(255, 0, 0)));
        EXPECT_NE(face, xPixel(rgb(0, 0, 255))) << "the canvas painted over the button";
    }
}

// A scroll bar's position stays in its range, also when the range narrows.
TEST_F(FltkPlatformTest, AScrollBarKeepsItsPositionInItsRange) {
    const NativeHandle bar = platform.createScrollBar(false, 0, 0, 100, 17, window);
    for (const auto& [maximum, position, expected] : {std::tuple{1000, 1200, 1000}, {1000, -3, 0}, {20, 25, 20}}) {
        platform.setScrollRange(bar, 0, maximum, false);
        platform.setScrollPos(bar, position, true);
        EXPECT_EQ(platform.getScrollPos(bar), expected) << "position " << position;
    }
    platform.setScrollRange(bar, 0, 5, false);
    EXPECT_EQ(platform.getScrollPos(bar), 5) << "a narrower range must take the position along";
}

TEST_F(FltkPlatformTest, CursorPositionIsInClientCoordinatesAlsoOutsideTheWindow) {
    int originX = 0, originY = 0;
    Window child;
    XTranslateCoordinates(fl_display, fl_xid(&toolkitWindow()), RootWindow(fl_display, fl_screen), 0, 0, &originX,
                          &originY, &child);
    for (const Point p : {Point{10, 20}, Point{-1, 5}, Point{250, 190}}) {
        XWarpPointer(fl_display, None, RootWindow(fl_display, fl_screen), 0, 0, 0, 0, originX + p.x, originY + p.y);
        XSync(fl_display, False);
        const Point cursor = platform.cursorPosition(window);
        EXPECT_EQ(std::make_pair(cursor.x, cursor.y), std::make_pair(p.x, p.y));
    }
}
