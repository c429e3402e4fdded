#include "Surface.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "BlitRun.h"
#include "Saturate.h"

// The Linux surface: our Raster draws everything but text straight into the pixels of a
// cairo image surface. Cairo only draws text; each text call is bracketed by
// mark_dirty/flush, so outside drawText the pixels are always current and free to touch.

namespace {

constexpr double kFontSize = 12.0;  // cap height 9 px; a line of text fits a 15-pixel tab row

}  // namespace

Surface::Surface(std::int32_t width, std::int32_t height) { allocate(width, height); }

Surface::~Surface() { release(); }

bool Surface::allocatePixels() {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface_);
        surface_ = nullptr;
        return false;
    }
    pixels_ = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface_));
    stride_ = cairo_image_surface_get_stride(surface_) / 4;
    return true;
}

void Surface::release() {
    if (cairo_ != nullptr) cairo_destroy(cairo_);
    if (surface_ != nullptr) cairo_surface_destroy(surface_);
    cairo_ = nullptr;
    surface_ = nullptr;
    pixels_ = nullptr;
}

void Surface::swap(Surface& other) {
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    std::swap(surface_, other.surface_);
    std::swap(cairo_, other.cairo_);
    std::swap(pixels_, other.pixels_);
    std::swap(stride_, other.stride_);
    std::swap(damage_, other.damage_);
}

cairo_t* Surface::context() {
    if (cairo_ == nullptr) {
        cairo_ = cairo_create(surface_);
        cairo_set_antialias(cairo_, CAIRO_ANTIALIAS_NONE);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
        // Whole-pixel metrics keep the baseline on a pixel row.
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
        cairo_set_font_options(cairo_, options);
        cairo_font_options_destroy(options);
        cairo_select_font_face(cairo_, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cairo_, kFontSize);
        cairo_set_source_rgb(cairo_, 0, 0, 0);
    }
    return cairo_;
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

void Surface::drawText(std::int32_t x, std::int32_t y, const char* text) {
    if (text == nullptr || *text == '\0' || surface_ == nullptr) return;
    cairo_t* cairo = context();
    cairo_font_extents_t font;
    cairo_font_extents(cairo, &font);
    cairo_text_extents_t ink;
    cairo_text_extents(cairo, text, &ink);
    const double baseline = y + std::round(font.ascent);
    const double inkLeft = x + ink.x_bearing, inkTop = baseline + ink.y_bearing;
    // A pixel of slack: hinting may move glyph edges past the measured ink.
    const Rect area{clampToInt32(std::floor(inkLeft) - 1, 0, width_),
                    clampToInt32(std::floor(inkTop) - 1, 0, height_),
                    clampToInt32(std::ceil(inkLeft + ink.width) + 1, 0, width_),
                    clampToInt32(std::ceil(inkTop + ink.height) + 1, 0, height_)};
    // Also keeps far-away coordinates out of cairo's fixed-point range.
    if (area.empty()) return;
    cairo_surface_mark_dirty(surface_);
    cairo_move_to(cairo, x, baseline);
    cairo_show_text(cairo, text);
    cairo_surface_flush(surface_);
    damage_.unite(area);
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
