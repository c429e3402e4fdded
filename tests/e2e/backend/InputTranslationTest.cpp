#include <gtest/gtest.h>

#include <FL/Enumerations.H>

#include "Canvas.h"
#include "FakeEvents.h"
#include "MessagePacer.h"
#include "Surface.h"
#include "VirtualKey.h"

TEST(VirtualKey, MapsFltkKeysToWindowsCodes) {
    struct Case {
        int fltk;
        std::uint32_t windows;
    };
    for (const Case c : {Case{FL_Escape, 27}, Case{'a', 'A'}, Case{'z', 'Z'}, Case{'0', '0'}, Case{'9', '9'},
                         Case{' ', 0x20}, Case{FL_Enter, 0x0D}, Case{FL_Left, 0x25}, Case{FL_Down, 0x28},
                         Case{FL_F + 1, 0x70}, Case{FL_F + 12, 0x7B}, Case{FL_KP + '7', 0x67},
                         Case{FL_Shift_R, 0x10}, Case{FL_Alt_L, 0x12}, Case{FL_Delete, 0x2E}, Case{'-', 0xBD},
                         Case{FL_Button + 1, 0}, Case{'A', 0}, Case{0, 0}})
        EXPECT_EQ(virtualKey(c.fltk), c.windows) << "FLTK key 0x" << std::hex << c.fltk;
}

TEST(MessagePacer, HoldsBackOnlyTheReleaseOfAPressOfTheSameFrame) {
    MessagePacer pacer;
    const Message escapeDown{1, WM_KEYDOWN, VK_ESCAPE, 0}, escapeUp{1, WM_KEYUP, VK_ESCAPE, 0};
    const Message leftDown{1, WM_LBUTTONDOWN, 0, 0}, leftUp{1, WM_LBUTTONUP, 0, 0};
    const Message rightUp{1, WM_RBUTTONUP, 0, 0}, aUp{1, WM_KEYUP, 'A', 0}, altEscapeUp{1, WM_SYSKEYUP, VK_ESCAPE, 0};

    EXPECT_FALSE(pacer.holdsBack(escapeUp));  // pressed in an earlier frame
    pacer.handedOut(escapeDown);
    pacer.handedOut(leftDown);
    EXPECT_TRUE(pacer.holdsBack(escapeUp));
    EXPECT_TRUE(pacer.holdsBack(altEscapeUp));
    EXPECT_TRUE(pacer.holdsBack(leftUp));
    EXPECT_FALSE(pacer.holdsBack(rightUp));
    EXPECT_FALSE(pacer.holdsBack(aUp));
    EXPECT_FALSE(pacer.holdsBack(Message{1, WM_SIZE, 0, 0}));
    pacer.startFrame();
    EXPECT_FALSE(pacer.holdsBack(escapeUp));
    EXPECT_FALSE(pacer.holdsBack(leftUp));
}

class CanvasTest : public ::testing::Test {
protected:
    Surface surface{200, 100};
    std::vector<Posted> posted;
    Canvas canvas{surface, [this](std::uint32_t m, WPARAM w, LPARAM l) { posted.push_back({m, w, l}); }};
};

TEST_F(CanvasTest, MouseButtonsBecomeButtonMessagesWithClientCoordinates) {
    const LPARAM at = makeLParam(12, 34);
    struct Case {
        int button;
        std::uint32_t down, up;
    };
    for (const Case c : {Case{FL_LEFT_MOUSE, WM_LBUTTONDOWN, WM_LBUTTONUP},
                         Case{FL_RIGHT_MOUSE, WM_RBUTTONDOWN, WM_RBUTTONUP},
                         Case{FL_MIDDLE_MOUSE, WM_MBUTTONDOWN, WM_MBUTTONUP}}) {
        posted.clear();
        EXPECT_EQ(sendMouse(canvas, FL_PUSH, 12, 34, c.button), 1);
        EXPECT_EQ(sendMouse(canvas, FL_RELEASE, 12, 34, c.button), 1);
        EXPECT_EQ(posted, (std::vector<Posted>{{c.down, 0, at}, {c.up, 0, at}})) << "button " << c.button;
    }
    posted.clear();
    sendMouse(canvas, FL_PUSH, 5, 5, 8);  // no message for buttons FLTK cannot name
    EXPECT_TRUE(posted.empty());
}

TEST_F(CanvasTest, WheelNotchesCountAwayFromTheUserAsPositive) {
    struct Case {
        int dy;
        std::int16_t delta;
    };
    for (const Case c : {Case{-1, 120}, Case{1, -120}, Case{3, -360}, Case{-1000, 32767}}) {
        posted.clear();
        Fl::e_dy = c.dy;
        EXPECT_EQ(sendEvent(canvas, FL_MOUSEWHEEL), 1);
        ASSERT_EQ(posted.size(), 1u);
        EXPECT_EQ(posted[0].message, WM_MOUSEWHEEL);
        EXPECT_EQ(static_cast<std::int16_t>(highWord(posted[0].wParam)), c.delta) << "dy " << c.dy;
    }
    posted.clear();
    Fl::e_dy = 0;
    Fl::e_dx = 1;
    EXPECT_EQ(sendEvent(canvas, FL_MOUSEWHEEL), 0);  // sideways: left to others
    Fl::e_dx = 0;
    EXPECT_TRUE(posted.empty());
}

TEST_F(CanvasTest, KeysBecomeKeyMessagesAndAltMakesThemSystemKeys) {
    sendKey(canvas, FL_KEYDOWN, FL_Escape);
    sendKey(canvas, FL_KEYUP, FL_Escape);
    sendKey(canvas, FL_KEYDOWN, 'x', FL_ALT);
    sendKey(canvas, FL_KEYUP, 'x', FL_ALT);
    sendKey(canvas, FL_KEYDOWN, FL_Alt_L);
    EXPECT_EQ(sendKey(canvas, FL_KEYDOWN, FL_Button + 1), 1);  // taken, but no key to name
    EXPECT_EQ(posted, (std::vector<Posted>{{WM_KEYDOWN, VK_ESCAPE, 0},
                                           {WM_KEYUP, VK_ESCAPE, 0},
                                           {WM_SYSKEYDOWN, 'X', 0},
                                           {WM_SYSKEYUP, 'X', 0},
                                           {WM_SYSKEYDOWN, 0x12, 0}}));
}
