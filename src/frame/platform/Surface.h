#pragma once
// An off-screen bitmap with the drawing rules the program relies on (those of GDI):
// no antialiasing, pen width 0 draws one pixel, fillRect leaves the right column and the
// bottom row, a line leaves out its end pixel and draws nothing when both ends fall on
// the same pixel, text goes top-left at (x, y) on a transparent background.
// Pixels are 32-bit 0x00RRGGBB words (cairo's RGB24), the format X11 displays use.
#include <cstdint>

#include "Messages.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    void unite(const Rect& other);
};

class Surface {
public:
    // Contents start white; callers draw the background they want.
    Surface(std::int32_t width, std::int32_t height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }

    void fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, Colour colour);
    void drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                  Colour colour);
    // Outline with the pen and fill with the brush, inside the box (left, top)-(right, bottom).
    void drawEllipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                     std::int32_t penWidth, Colour lineColour, Colour fillColour);
    void drawText(std::int32_t x, std::int32_t y, const char* text);
    // Copies width x height pixels from (sourceX, sourceY) of source, another surface, to (x, y) here.
    void blit(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, const Surface& source,
              std::int32_t sourceX, std::int32_t sourceY);
    // A new size; the overlapping part of the old contents stays, the rest is white.
    void resize(std::int32_t width, std::int32_t height);

    Colour pixel(std::int32_t x, std::int32_t y) const;  // packed like rgb(); 0 outside
    const std::uint32_t* row(std::int32_t y) const;

    // Everything drawn since the last clearDamage(), so a window presents only what changed.
    // A new or resized surface is damaged all over.
    const Rect& damage() const { return damage_; }
    void clearDamage() { damage_ = Rect{}; }

private:
    void allocate(std::int32_t width, std::int32_t height);
    void release();
    void markDamage(Rect area);
    cairo_t* context();

    // Fills [left, right) of row y, clipped, and records the damage; rectangles, lines and
    // ellipses all end up here.
    void fillSpan(std::int64_t y, std::int64_t left, std::int64_t right, std::uint32_t word);
    void drawThinLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, std::uint32_t word);
    void drawWideLine(double x1, double y1, double x2, double y2, double radius, std::uint32_t word);
    void fillEllipse(double centreX, double centreY, double radiusX, double radiusY, std::uint32_t word);

    std::int32_t width_ = 0, height_ = 0;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cairo_ = nullptr;
    std::uint32_t* pixels_ = nullptr;  // null when either side is 0
    std::int64_t stride_ = 0;          // in pixels
    Rect damage_;
};
