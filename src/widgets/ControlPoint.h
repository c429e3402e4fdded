#pragma once
#include <cstdint>

#include "Object.h"
#include "Vec2.h"

// One draggable point of the control polygon, in its owner panel's coordinates.
class ControlPoint : public Object {
public:
    ControlPoint(std::int32_t x, std::int32_t y, std::int32_t radius);

    bool hit() const;
    Vec2 position() const { return {static_cast<float>(x), static_cast<float>(y)}; }
    void attached() override;
    void update() override;
    void draw() override;
    void resized(std::int32_t width, std::int32_t height) override;

    std::int32_t x, y;
    std::int32_t radius;
    std::int32_t dragging = 0;
    std::int32_t leftWasDown = 0;
    std::int32_t grabDx = 0, grabDy = 0;

private:
    // Answers whether any bound had to be applied.
    bool clampInto(std::int32_t width, std::int32_t height);
    void follow(std::int32_t mouseX, std::int32_t mouseY);
    void showLook();
};
