#pragma once
// An off-screen bitmap with the drawing rules the program relies on (those of GDI):
// no antialiasing, pen width 0 draws one pixel, fillRect leaves the right column and the
// bottom row, a line leaves out its end pixel and draws nothing when both ends fall on
// the same pixel, text goes top-left at (x, y) on a transparent background.
// Pixels are 32-bit 0x00RRGGBB words, the format of X11 displays and of 32-bit DIB sections.
// Each backend supplies the image library behind it (createSurface); lines, rectangles,
// ellipses and copies are our Raster's and ours on those pixels unless the library draws
// them itself.
#include <cstdint>
#include <memory>

#include "Messages.h"
#include "Raster.h"
#include "Rect.h"

class Surface {
public:
    // The widest and tallest bitmap the image libraries take. A larger surface keeps only
    // this much; where even that cannot be had, the surface is empty and draws nothing.
    static constexpr std::int32_t LARGEST_SIDE = 32767;

    virtual ~Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }

    virtual void fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                          Colour colour);
    virtual void drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                          Colour colour);
    // Outline with the pen and fill with the brush, inside the box (left, top)-(right, bottom);
    // a pen wider than 1 is one pixel on our Raster and GDI's geometric pen on Windows.
    virtual void drawEllipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                             std::int32_t penWidth, Colour lineColour, Colour fillColour);
    virtual void drawText(std::int32_t x, std::int32_t y, const char* text) = 0;
    // Copies width x height pixels from (sourceX, sourceY) of source, another surface of the
    // same backend, to (x, y) here.
    virtual void blit(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, const Surface& source,
                      std::int32_t sourceX, std::int32_t sourceY);
    // A new size; the overlapping part of the old contents stays, the rest is white.
    void resize(std::int32_t width, std::int32_t height);

    // Packed like rgb(); 0 outside.
    Colour pixel(std::int32_t x, std::int32_t y) const {
        const std::uint32_t* pixels = row(y);
        return pixels == nullptr || x < 0 || x >= width_ ? 0 : Raster::swapRedBlue(pixels[x]);
    }
    virtual const std::uint32_t* row(std::int32_t y) const;

    // Everything drawn since the last clearDamage(), so a window presents only what changed.
    // A new or resized surface is damaged all over.
    const Rect& damage() const { return damage_; }
    void clearDamage() { damage_ = Rect{}; }

protected:
    Surface() = default;

    // For the constructors of the backends' surfaces: a size the image libraries hold, and
    // an empty surface rather than an abort where they refuse even that; contents white.
    void allocate(std::int32_t width, std::int32_t height);
    // The image library's bitmap of width_ x height_; false where it refuses one.
    virtual bool allocatePixels() = 0;
    // Exchanges everything with another surface of the same backend.
    virtual void swap(Surface& other);
    Raster raster() { return Raster(pixels_, stride_, width_, height_, damage_); }

    std::int32_t width_ = 0, height_ = 0;
    std::uint32_t* pixels_ = nullptr;  // null when either side is 0
    std::int64_t stride_ = 0;          // in pixels
    Rect damage_;
};

// A surface of the image library of the backend this program is linked with; contents white.
std::unique_ptr<Surface> createSurface(std::int32_t width, std::int32_t height);
