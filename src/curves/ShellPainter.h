#pragma once
#include <cstdint>

#include "Vec2.h"

class Panel;

// Draws the shells of a construction: grey one-pixel lines between neighbouring points of one
// level, small blue dots on those points, and a larger blue dot on the curve point they lead to.
class ShellPainter {
public:
    explicit ShellPainter(Panel& panel) : panel(panel) {}

    // The grey line between two points of a level, then a small dot on each.
    void segment(const Vec2& from, const Vec2& to);
    // A blue dot; nothing for a non-finite centre.
    void dot(const Vec2& centre, std::int32_t radius);

private:
    Panel& panel;
};
