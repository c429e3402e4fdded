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

void PixelPath::moveTo(double x, double y) { current = pixelOf(x, y); }

void PixelPath::lineTo(double x, double y) {
    const Pixel next = pixelOf(x, y);
    if (current.valid && next.valid && (current.x != next.x || current.y != next.y))
        panel.drawLine(current.x, current.y, next.x, next.y, penWidth, colour.red, colour.green, colour.blue);
    current = next;
}

PixelPath::Pixel PixelPath::pixelOf(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return {};
    return {toPixel(x), toPixel(y), true};
}
