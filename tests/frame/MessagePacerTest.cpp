// The desktop backends' pacing: each button or key of the polled window changes once per
// frame, its next change (a quick click's release, a double click's second press) waits for
// the next frame; the native controls' messages are never held and hold nothing back.
#include <gtest/gtest.h>

#include "MessagePacer.h"

TEST(MessagePacerTest, AButtonOrKeysSecondChangeWaitsForTheNextFrame) {
    const struct { std::uint32_t down, up; int input; } edges[] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, 0},
        {WM_RBUTTONDOWN, WM_RBUTTONUP, 1}, {WM_MBUTTONDOWN, WM_MBUTTONUP, 2}, {WM_XBUTTONDOWN, WM_XBUTTONUP, 3},
        {WM_KEYDOWN, WM_KEYUP, 4}, {WM_SYSKEYDOWN, WM_SYSKEYUP, 4}};
    const WPARAM second = makeWParam(0, 2), first = makeWParam(0, 1);  // which extra button, or a key code
    const NativeHandle polled = 1, control = 2;
    for (const bool pressFirst : {true, false})
        for (const auto& changed : edges) {
            MessagePacer pacer;
            const auto edge = [&](const auto& e, bool press) { return press ? e.down : e.up; };
            pacer.handedOut(Message{control, edge(changed, !pressFirst), second, 0}, polled);
            EXPECT_FALSE(pacer.holdsBack(Message{polled, edge(changed, pressFirst), second, 0}, polled));
            pacer.handedOut(Message{polled, edge(changed, pressFirst), second, 0}, polled);
            for (const auto& e : edges)
                EXPECT_EQ(pacer.holdsBack(Message{polled, edge(e, !pressFirst), second, 0}, polled),
                          e.input == changed.input)
                    << changed.down << " first pressed " << pressFirst;
            EXPECT_EQ(pacer.holdsBack(Message{polled, edge(changed, !pressFirst), first, 0}, polled), changed.input < 3)
                << "another extra button or key";
            EXPECT_FALSE(pacer.holdsBack(Message{polled, edge(changed, pressFirst), second, 0}, polled)) << "a repeat";
            EXPECT_FALSE(pacer.holdsBack(Message{control, edge(changed, !pressFirst), second, 0}, polled)) << "typing";
            pacer.startFrame();
            EXPECT_FALSE(pacer.holdsBack(Message{polled, edge(changed, !pressFirst), second, 0}, polled));
        }
}
