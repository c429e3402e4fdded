#include "ControlPoint.h"

#include <cstdlib>

#include "Palette.h"
#include "Panel.h"
#include "Saturate.h"
#include "Window.h"

namespace {

// Lower bound first, then the upper one, so in a panel narrower than 2r the upper bound wins.
bool clampAxis(std::int32_t& value, std::int32_t radius, std::int32_t size) {
    bool moved = false;
    if (value < radius) {
        value = radius;
        moved = true;
    }
    const std::int32_t upper = saturateToInt32(std::int64_t{size} - radius);
    if (value > upper) {
        value = upper;
        moved = true;
    }
    return moved;
}

bool leftDown(const MouseState& mouse) { return (mouse.buttons & MOUSE_LEFT) != 0; }

}  // namespace

ControlPoint::ControlPoint(std::int32_t x, std::int32_t y, std::int32_t radius)
    : Object(KIND_CONTROL_POINT), x(x), y(y), radius(radius) {}

bool ControlPoint::hit() const {
    // 64-bit: the mouse may be far outside the panel.
    const std::uint64_t dx = std::llabs(std::int64_t{owner->mouse.x} - x);
    const std::uint64_t dy = std::llabs(std::int64_t{owner->mouse.y} - y);
    const std::uint64_t r = std::llabs(std::int64_t{radius});
    if (dx > r || dy > r) return false;
    return dx * dx + dy * dy <= r * r;
}

void ControlPoint::attached() { clampInto(owner->width, owner->height); }

void ControlPoint::update() {
    const MouseState& win = owner->window->mouse;
    if (dragging != 0 && leftDown(win)) {
        follow(owner->mouse.x, owner->mouse.y);
    } else if (leftWasDown == 0 && leftDown(win) && hit()) {
        dragging = 1;
        grabDx = owner->mouse.x - x;
        grabDy = owner->mouse.y - y;
        showLook();
    } else if (dragging != 0) {
        dragging = 0;
        showLook();
    }
    leftWasDown = leftDown(win) ? 1 : 0;
}

// Drawn into the back buffer only, the new look would reach the window at some later redraw;
// a grabbed point should turn green, and a released one red, at once.
void ControlPoint::showLook() {
    draw();
    owner->dirty = 1;
}

void ControlPoint::draw() {
    constexpr Rgb held = HELD_POINT_COLOUR, outline = HELD_POINT_OUTLINE_COLOUR, rest = POINT_COLOUR;
    if (dragging != 0)
        owner->drawCircle(x, y, radius, radius / 4, held.red, held.green, held.blue, outline.red, outline.green,
                          outline.blue);
    else
        owner->drawDisc(x, y, radius, rest.red, rest.green, rest.blue);
}

void ControlPoint::resized(std::int32_t width, std::int32_t height) {
    if (clampInto(width, height)) owner->dirty = 1;
}

bool ControlPoint::clampInto(std::int32_t width, std::int32_t height) {
    const bool movedX = clampAxis(x, radius, width);
    const bool movedY = clampAxis(y, radius, height);
    return movedX || movedY;
}

// Only a change of position redraws: a point held still, or held against the panel's edge, would
// redraw the same pixels every frame.
void ControlPoint::follow(std::int32_t mouseX, std::int32_t mouseY) {
    const std::int32_t oldX = x, oldY = y;
    x = saturateToInt32(std::int64_t{mouseX} - grabDx);
    y = saturateToInt32(std::int64_t{mouseY} - grabDy);
    clampInto(owner->width, owner->height);
    if (x != oldX || y != oldY) owner->dirty = 1;
}
