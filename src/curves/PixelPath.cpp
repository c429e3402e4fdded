#include "PixelPath.h"

#include <cmath>

#include "Panel.h"

std::int32_t PixelPath::toPixel(double value) {
    if (std::isnan(value)) return 0;
    // Converting an out-of-range float to int32 is undefined, so saturate first.
    if (value <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    if (value >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    return static_cast<std::int32_t>(value);
}

void PixelPath::moveTo(const Vec2& point) { current = pixelOf(point); }

void PixelPath::lineTo(const Vec2& point) {
    const Pixel next = pixelOf(point);
    if (current.valid && next.valid && (current.x != next.x || current.y != next.y))
        panel.drawLine(current.x, current.y, next.x, next.y, penWidth, colour.red, colour.green, colour.blue);
    current = next;
}

PixelPath::Pixel PixelPath::pixelOf(const Vec2& point) {
    if (!std::isfinite(point.x) || !std::isfinite(point.y)) return {};
    return {toPixel(point.x), toPixel(point.y), true};
}
