#include "Surface.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "BlitRun.h"

void Surface::allocate(std::int32_t width, std::int32_t height) {
    width_ = std::clamp(width, 0, LARGEST_SIDE);
    height_ = std::clamp(height, 0, LARGEST_SIDE);
    if (width_ > 0 && height_ > 0 && !allocatePixels()) width_ = height_ = 0;
    fillRect(0, 0, width_, height_, rgb(255, 255, 255));
}

void Surface::resize(std::int32_t width, std::int32_t height) {
    const std::unique_ptr<Surface> resized = createSurface(width, height);
    resized->blit(0, 0, width_, height_, *this, 0, 0);
    swap(*resized);  // the old pixels and whatever holds them leave with `resized`
}

void Surface::swap(Surface& other) {
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    std::swap(pixels_, other.pixels_);
    std::swap(stride_, other.stride_);
    std::swap(damage_, other.damage_);
}

void Surface::fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                       Colour colour) {
    raster().fillRect(left, top, right, bottom, colour);
}

void Surface::drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                       Colour colour) {
    raster().drawLine(x1, y1, x2, y2, penWidth, colour);
}

void Surface::drawEllipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                          std::int32_t penWidth, Colour lineColour, Colour fillColour) {
    raster().drawEllipse(left, top, right, bottom, penWidth, lineColour, fillColour);
}

void Surface::blit(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, const Surface& source,
                   std::int32_t sourceX, std::int32_t sourceY) {
    const BlitRun columns = BlitRun::clip(x, sourceX, width, width_, source.width_);
    const BlitRun rows = BlitRun::clip(y, sourceY, height, height_, source.height_);
    if (columns.length <= 0 || rows.length <= 0) return;
    for (std::int64_t i = 0; i < rows.length; ++i) {
        std::memcpy(pixels_ + (rows.to + i) * stride_ + columns.to,
                    source.pixels_ + (rows.from + i) * source.stride_ + columns.from,
                    static_cast<std::size_t>(columns.length) * sizeof(std::uint32_t));
    }
    damage_.unite({static_cast<std::int32_t>(columns.to), static_cast<std::int32_t>(rows.to),
                static_cast<std::int32_t>(columns.to + columns.length), static_cast<std::int32_t>(rows.to + rows.length)});
}

const std::uint32_t* Surface::row(std::int32_t y) const {
    if (pixels_ == nullptr || y < 0 || y >= height_) return nullptr;
    return pixels_ + y * stride_;
}
