#pragma once
// Keeps a quick click or key tap visible to the program. The program reads the buttons and
// keys as state once per frame, so a press and its release handed out in the same frame
// would cancel out unseen. The pacer holds such a release back to the next frame; the
// desktop backends, whose messages come as the user makes them, pace their queues with it.
#include <cstdint>
#include <set>

#include "Platform.h"

class MessagePacer {
public:
    // True when the message must wait for the next frame.
    bool holdsBack(const Message& message) const;
    void handedOut(const Message& message);
    void startFrame() { pressed_.clear(); }

private:
    std::set<std::uint64_t> pressed_;  // buttons and keys pressed in this frame
};
