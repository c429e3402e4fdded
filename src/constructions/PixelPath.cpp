#include "PixelPath.h"

#include <cmath>

#include "Panel.h"
#include "Saturate.h"

void PixelPath::moveTo(double x, double y) { current = pixelOf(x, y); }

void PixelPath::lineTo(double x, double y) {
    const Pixel next = pixelOf(x, y);
    if (current.valid && next.valid && (current.x != next.x || current.y != next.y))
        panel.drawLine(current.x, current.y, next.x, next.y, penWidth, colour.red, colour.green, colour.blue);
    current = next;
}

PixelPath::Pixel PixelPath::pixelOf(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return {};
    return {saturateToInt32(x), saturateToInt32(y), true};
}
