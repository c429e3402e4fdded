#pragma once
// Our rasteriser of GDI's pixel rules, on rows of 32-bit 0x00RRGGBB words: no antialiasing,
// pen width 0 draws one pixel, fillRect leaves the right column and the bottom row, a line
// leaves out its end pixel and draws nothing when both ends fall on the same pixel.
// It works on rows, so far-away coordinates stay cheap (only rows inside are visited) and
// exact. Everything drawn is added to `damage`.
#include <cstdint>
#include <limits>

#include "Messages.h"
#include "Rect.h"
#include "WidestLanes.h"

class Raster {
public:
    Raster(std::uint32_t* pixels, std::int64_t stride, std::int32_t width, std::int32_t height, Rect& damage)
        : pixels_(pixels), stride_(stride), width_(width), height_(height), damage_(damage) {}

    // A Colour keeps red in the low byte, a pixel word in the third; the swap is its own inverse.
    static constexpr std::uint32_t swapRedBlue(std::uint32_t value) {
        return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
    }

    void fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, Colour colour);
    void drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                  Colour colour);
    // A one-pixel outline in the line colour, filled with the fill colour, inside the box
    // (left, top)-(right, bottom); the pen width is not used.
    void drawEllipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                     std::int32_t penWidth, Colour lineColour, Colour fillColour);

private:
    // Fills [left, right) of row y, clipped, and widens drawn_ to it; rectangles, lines and
    // ellipses all end up here.
    void fillSpan(std::int64_t y, std::int64_t left, std::int64_t right, std::uint32_t word);
    // Each figure adds what it drew to the damage once, not span by span.
    void addDrawnToDamage();
    void drawThinLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, std::uint32_t word);
    WIDEST_LANES void drawWideLine(double x1, double y1, double x2, double y2, double radius, std::uint32_t word);
    void fillEllipse(double centreX, double centreY, double radiusX, double radiusY, std::uint32_t word);

    std::uint32_t* pixels_;  // null when either side is 0
    std::int64_t stride_;    // in pixels
    std::int32_t width_, height_;
    Rect& damage_;
    // The pixels of the figure being drawn; empty, left > right, until a span widens it. In
    // 64 bits, which the compiler knows the 32-bit pixel words never alias.
    struct Extent {
        std::int64_t left = std::numeric_limits<std::int64_t>::max(), top = std::numeric_limits<std::int64_t>::max();
        std::int64_t right = std::numeric_limits<std::int64_t>::min(), bottom = std::numeric_limits<std::int64_t>::min();
    };
    Extent drawn_;
};
