// The desktop backends' pacing: a release whose press was handed out in the same frame waits for the next one.
#include <gtest/gtest.h>

#include "MessagePacer.h"

TEST(MessagePacerTest, AReleaseWaitsForTheFrameAfterItsOwnPress) {
    const struct { std::uint32_t down, up; int input; } edges[] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, 0},
        {WM_RBUTTONDOWN, WM_RBUTTONUP, 1}, {WM_MBUTTONDOWN, WM_MBUTTONUP, 2}, {WM_XBUTTONDOWN, WM_XBUTTONUP, 3},
        {WM_KEYDOWN, WM_KEYUP, 4}, {WM_SYSKEYDOWN, WM_SYSKEYUP, 4}};
    const WPARAM second = makeWParam(0, 2), first = makeWParam(0, 1);  // which extra button, or a key code
    for (const auto& pressed : edges) {
        MessagePacer pacer;
        pacer.handedOut(Message{1, pressed.down, second, 0});
        for (const auto& e : edges)
            EXPECT_EQ(pacer.holdsBack(Message{1, e.up, second, 0}), e.input == pressed.input) << pressed.down << e.up;
        EXPECT_EQ(pacer.holdsBack(Message{1, pressed.up, first, 0}), pressed.input < 3) << "another extra button or key";
        pacer.startFrame();
        EXPECT_FALSE(pacer.holdsBack(Message{1, pressed.up, second, 0})) << pressed.down;
    }
}
