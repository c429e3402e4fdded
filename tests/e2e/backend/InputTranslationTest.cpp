// The toolkit's keys and buttons as the program's messages.
#include <gtest/gtest.h>

#include <FL/Enumerations.H>

#include "Canvas.h"
#include "FakeEvents.h"
#include "Surface.h"
#include "VirtualKey.h"

TEST(VirtualKey, MapsFltkKeysToWindowsCodes) {
    for (const auto& [fltk, windows] :
         {std::pair<int, std::uint32_t>{FL_Escape, 27}, {'a', 'A'}, {'z', 'Z'}, {'0', '0'}, {'9', '9'}, {FL_Enter, 0x0D},
          {FL_Left, 0x25}, {FL_F + 1, 0x70}, {FL_F + 12, 0x7B}, {FL_KP + '7', 0x67}, {FL_Alt_L, 0x12}, {'-', 0xBD},
          {FL_Button + 1, 0}, {'A', 0}})
        EXPECT_EQ(virtualKey(fltk), windows) << "FLTK key 0x" << std::hex << fltk;
}

class CanvasTest : public ::testing::Test {
protected:
    Surface surface{200, 100};
    std::vector<Posted> posted;
    Canvas canvas{surface, [this](std::uint32_t m, WPARAM w, LPARAM l) { posted.push_back({m, w, l}); }};
};

TEST_F(CanvasTest, MouseButtonsBecomeButtonMessagesWithClientCoordinates) {
    for (const auto& [button, down, up] : {std::tuple{FL_LEFT_MOUSE, WM_LBUTTONDOWN, WM_LBUTTONUP},
                                           {FL_RIGHT_MOUSE, WM_RBUTTONDOWN, WM_RBUTTONUP},
                                           {FL_MIDDLE_MOUSE, WM_MBUTTONDOWN, WM_MBUTTONUP}}) {
        posted.clear();
        sendMouse(canvas, FL_PUSH, 12, 34, button);
        sendMouse(canvas, FL_RELEASE, 12, 34, button);
        const LPARAM at = makeLParam(12, 34);
        EXPECT_EQ(posted, (std::vector<Posted>{{down, 0, at}, {up, 0, at}})) << "button " << button;
    }
}

TEST_F(CanvasTest, KeysBecomeKeyMessagesAndAltMakesThemSystemKeys) {
    sendKey(canvas, FL_KEYDOWN, FL_Escape);
    sendKey(canvas, FL_KEYUP, FL_Escape);
    sendKey(canvas, FL_KEYDOWN, 'x', FL_ALT);
    sendKey(canvas, FL_KEYDOWN, FL_Alt_L);
    EXPECT_EQ(posted, (std::vector<Posted>{{WM_KEYDOWN, VK_ESCAPE, 0},
                                           {WM_KEYUP, VK_ESCAPE, 0},
                                           {WM_SYSKEYDOWN, 'X', 0},
                                           {WM_SYSKEYDOWN, 0x12, 0}}));
}
