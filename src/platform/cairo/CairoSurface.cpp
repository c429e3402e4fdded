#include "CairoSurface.h"

#include <cairo.h>

#include <cmath>
#include <utility>

#include "Saturate.h"

namespace {

constexpr double kFontSize = 12.0;  // cap height 9 px; a line of text fits a 15-pixel tab row

}  // namespace

std::unique_ptr<Surface> createSurface(std::int32_t width, std::int32_t height) {
    return std::make_unique<CairoSurface>(width, height);
}

CairoSurface::CairoSurface(std::int32_t width, std::int32_t height) { allocate(width, height); }

CairoSurface::~CairoSurface() { release(); }

bool CairoSurface::allocatePixels() {
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

void CairoSurface::release() {
    if (cairo_ != nullptr) cairo_destroy(cairo_);
    if (surface_ != nullptr) cairo_surface_destroy(surface_);
    cairo_ = nullptr;
    surface_ = nullptr;
    pixels_ = nullptr;
}

void CairoSurface::swap(Surface& other) {
    Surface::swap(other);
    auto& cairo = static_cast<CairoSurface&>(other);
    std::swap(surface_, cairo.surface_);
    std::swap(cairo_, cairo.cairo_);
}

cairo_t* CairoSurface::context() {
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

void CairoSurface::drawText(std::int32_t x, std::int32_t y, const char* text) {
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
