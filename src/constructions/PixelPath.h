#pragma once
#include <cstdint>

#include "Palette.h"
#include "Vec2.h"

class Panel;

// Every construction draws its curve in CURVE_COLOUR with a two-pixel pen.
constexpr std::int32_t CURVE_PEN_WIDTH = 2;

// Draws a chain of curve segments into a panel, converting each float vertex to pixels once.
// A segment with a non-finite end is left out, and so is one whose ends fall on the same
// pixel, which would draw nothing anyway.
class PixelPath {
public:
    PixelPath(Panel& panel, std::int32_t penWidth, Rgb colour) : panel(panel), penWidth(penWidth), colour(colour) {}

    void moveTo(const Vec2& point) { moveTo(point.x, point.y); }
    void lineTo(const Vec2& point) { lineTo(point.x, point.y); }
    // For curves computed in 64 bits: truncated from the double itself, not from a float.
    void moveTo(double x, double y);
    void lineTo(double x, double y);

private:
    struct Pixel {
        std::int32_t x = 0, y = 0;
        bool valid = false;  // false for a non-finite point
    };
    static Pixel pixelOf(double x, double y);

    Panel& panel;
    std::int32_t penWidth;
    Rgb colour;
    Pixel current;
};
