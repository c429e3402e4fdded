#pragma once
#include <cstddef>
#include <cstdint>

#include "Vec2.h"

class Panel;

// Draws the shells of a construction: grey one-pixel lines between neighbouring points of one
// level, small blue dots on those points, and a larger blue dot on the curve point they lead to.
class ShellPainter {
public:
    explicit ShellPainter(Panel& panel) : panel(panel) {}

    // The grey polyline through count points of a level, first to first + (count - 1) * step,
    // with a small dot on each point; nothing for fewer than two points.
    void level(const Vec2* first, std::size_t count, std::ptrdiff_t step);
    // A blue dot; nothing for a non-finite centre.
    void dot(const Vec2& centre, std::int32_t radius);

private:
    Panel& panel;
};
