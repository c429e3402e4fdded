#pragma once
// Keeps a quick click or key tap visible to the program. The program reads the buttons and
// keys as state once per frame, so a press and its release handed out in the same frame
// would cancel out unseen, and so would a release and the next press of a double click. The
// pacer lets each button or key change once per frame and holds its next change back to the
// next frame; the desktop backends, whose messages come as the user makes them, pace their
// queues with it. Only the polled window's input is paced: a native control reads its own
// messages, and holding them back would only make typing late.
#include <cstdint>
#include <map>

#include "Platform.h"

class MessagePacer {
public:
    // True when the message must wait for the next frame. `polled` is the window whose
    // buttons and keys the frame reads.
    bool holdsBack(const Message& message, NativeHandle polled) const;
    void handedOut(const Message& message, NativeHandle polled);
    void startFrame() { changed_.clear(); }
    // True for a mouse button's press in the polled window: the one input whose position the
    // frame must see.
    static bool isButtonPress(const Message& message, NativeHandle polled);

private:
    std::map<std::uint64_t, bool> changed_;  // buttons and keys changed in this frame: whether now down
};
