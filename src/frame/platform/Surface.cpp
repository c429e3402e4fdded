#include "Surface.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

// Everything but text is rasterised here, straight into the pixels: the curve views draw
// tens of thousands of tiny lines per redraw, and working on rows keeps far-away
// coordinates cheap (only rows inside the surface are visited) and exact. Cairo only
// draws text; each text call is bracketed by mark_dirty/flush, so outside drawText the
// pixels are always current and free to touch directly.

namespace {

constexpr double kFontSize = 12.0;  // cap height 9 px; a line of text fits a 15-pixel tab row
// Wide lines sample each pixel a hair below-right of its centre: a centre lying exactly on
// the stroke's edge then counts on the top/left side only, so a stroke of even width
// covers exactly that many rows (or columns) instead of one more.
constexpr double kTieBreak = 1.0 / 1024;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A Colour keeps red in the low byte, a pixel in the third; the swap is its own inverse.
std::uint32_t swapRedBlue(std::uint32_t value) {
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

std::int64_t clampTo(double value, std::int64_t low, std::int64_t high) {
    return static_cast<std::int64_t>(std::clamp(value, static_cast<double>(low), static_cast<double>(high)));
}

struct Interval {
    double low = kInfinity, high = -kInfinity;  // empty by default
    bool empty() const { return low > high; }
};

Interval hull(Interval a, Interval b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.low, b.low), std::max(a.high, b.high)};
}

Interval meet(Interval a, Interval b) { return {std::max(a.low, b.low), std::min(a.high, b.high)}; }

// The x with low <= slope * x + offset <= high.
Interval solve(double slope, double offset, double low, double high) {
    if (slope == 0) return low <= offset && offset <= high ? Interval{-kInfinity, kInfinity} : Interval{};
    const double a = (low - offset) / slope, b = (high - offset) / slope;
    return {std::min(a, b), std::max(a, b)};
}

// Where the horizontal line at height y crosses a disc.
Interval discRow(double centreX, double centreY, double radius, double y) {
    const double dy = y - centreY;
    const double square = radius * radius - dy * dy;
    if (square < 0) return {};
    const double half = std::sqrt(square);
    return {centreX - half, centreX + half};
}

// Where the horizontal line at height y crosses a stroke with round ends: the two end
// discs and the band between them. The stroke is convex, so the hull is exact.
Interval strokeRow(double x1, double y1, double x2, double y2, double radius, double y) {
    const double dx = x2 - x1, dy = y2 - y1, lengthSquared = dx * dx + dy * dy;
    const double reach = radius * std::sqrt(lengthSquared);
    // Projection onto the segment within it, cross product within radius * length.
    const Interval along = solve(dx, (y - y1) * dy - x1 * dx, 0, lengthSquared);
    const Interval across = solve(dy, -x1 * dy - (y - y1) * dx, -reach, reach);
    return hull(hull(discRow(x1, y1, radius, y), discRow(x2, y2, radius, y)), meet(along, across));
}

// Clips a run of `length` pixels copied from `from` (in a source `sourceSize` long) to
// `to` (in a target `targetSize` long).
struct Run {
    std::int64_t to, from, length;
};

Run clipRun(std::int64_t to, std::int64_t from, std::int64_t length, std::int64_t targetSize,
            std::int64_t sourceSize) {
    const std::int64_t skip = std::max({std::int64_t{0}, -to, -from});
    to += skip;
    from += skip;
    return {to, from, std::min({length - skip, targetSize - to, sourceSize - from})};
}

}  // namespace

void Rect::unite(const Rect& other) {
    if (other.empty()) return;
    if (empty()) {
        *this = other;
        return;
    }
    left = std::min(left, other.left);
    top = std::min(top, other.top);
    right = std::max(right, other.right);
    bottom = std::max(bottom, other.bottom);
}

Surface::Surface(std::int32_t width, std::int32_t height) { allocate(width, height); }

Surface::~Surface() { release(); }

void Surface::allocate(std::int32_t width, std::int32_t height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (width_ > 0 && height_ > 0) {
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
        if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(surface_);
            surface_ = nullptr;
            throw std::bad_alloc();
        }
        pixels_ = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface_));
        stride_ = cairo_image_surface_get_stride(surface_) / 4;
    }
    fillRect(0, 0, width_, height_, rgb(255, 255, 255));
}

void Surface::release() {
    if (cairo_ != nullptr) cairo_destroy(cairo_);
    if (surface_ != nullptr) cairo_surface_destroy(surface_);
    cairo_ = nullptr;
    surface_ = nullptr;
    pixels_ = nullptr;
}

void Surface::resize(std::int32_t width, std::int32_t height) {
    Surface resized(width, height);
    resized.blit(0, 0, width_, height_, *this, 0, 0);
    // The old pixels and context leave with `resized`.
    std::swap(width_, resized.width_);
    std::swap(height_, resized.height_);
    std::swap(surface_, resized.surface_);
    std::swap(cairo_, resized.cairo_);
    std::swap(pixels_, resized.pixels_);
    std::swap(stride_, resized.stride_);
    std::swap(damage_, resized.damage_);
}

void Surface::markDamage(Rect area) { damage_.unite(area); }

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

void Surface::fillSpan(std::int64_t y, std::int64_t left, std::int64_t right, std::uint32_t word) {
    if (y < 0 || y >= height_) return;
    left = std::max<std::int64_t>(left, 0);
    right = std::min<std::int64_t>(right, width_);
    if (left >= right) return;
    std::uint32_t* row = pixels_ + y * stride_;
    std::fill(row + left, row + right, word);
    markDamage({static_cast<std::int32_t>(left), static_cast<std::int32_t>(y), static_cast<std::int32_t>(right),
                static_cast<std::int32_t>(y + 1)});
}

void Surface::fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                       Colour colour) {
    const std::uint32_t word = swapRedBlue(colour);
    for (std::int64_t y = std::max(top, 0); y < std::min(bottom, height_); ++y) fillSpan(y, left, right, word);
}

void Surface::drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                       Colour colour) {
    if (x1 == x2 && y1 == y2) return;  // the bulk of a curve redraw: leave at once
    const std::uint32_t word = swapRedBlue(colour);
    if (penWidth <= 1) {
        drawThinLine(x1, y1, x2, y2, word);
    } else {
        // Wide strokes run between pixel centres.
        drawWideLine(x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5, penWidth / 2.0, word);
    }
}

// Steps along the major axis, leaving out the end pixel; the minor offset at step i is
// i * minorDelta / majorDelta rounded half up. Only the steps inside the surface are walked.
void Surface::drawThinLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                           std::uint32_t word) {
    const bool alongX = std::abs(x2 - x1) >= std::abs(y2 - y1);
    const std::int64_t major1 = alongX ? x1 : y1, minor1 = alongX ? y1 : x1;
    const std::int64_t majorDelta = alongX ? x2 - x1 : y2 - y1, minorDelta = alongX ? y2 - y1 : x2 - x1;
    const std::int64_t majorSize = alongX ? width_ : height_;
    const std::int64_t majorStep = majorDelta < 0 ? -1 : 1, minorStep = minorDelta < 0 ? -1 : 1;
    const std::int64_t steps = std::abs(majorDelta), twiceMajor = 2 * steps, twiceMinor = 2 * std::abs(minorDelta);

    const std::int64_t first = std::max<std::int64_t>(0, majorStep > 0 ? -major1 : major1 - majorSize + 1);
    const std::int64_t last = std::min(steps, majorStep > 0 ? majorSize - major1 : major1 + 1);
    if (first >= last) return;
    // 128 bits: step and minor delta may each be near 2^32.
    const __int128 numerator = static_cast<__int128>(first) * twiceMinor + steps;
    std::int64_t offset = static_cast<std::int64_t>(numerator / twiceMajor);
    std::int64_t remainder = static_cast<std::int64_t>(numerator % twiceMajor);
    for (std::int64_t i = first; i < last; ++i) {
        const std::int64_t major = major1 + majorStep * i, minor = minor1 + minorStep * offset;
        if (alongX) {
            fillSpan(minor, major, major + 1, word);
        } else {
            fillSpan(major, minor, minor + 1, word);
        }
        remainder += twiceMinor;
        if (remainder >= twiceMajor) {
            remainder -= twiceMajor;
            ++offset;
        }
    }
}

void Surface::drawWideLine(double x1, double y1, double x2, double y2, double radius, std::uint32_t word) {
    const std::int64_t top = clampTo(std::floor(std::min(y1, y2) - radius) - 1, 0, height_);
    const std::int64_t bottom = clampTo(std::ceil(std::max(y1, y2) + radius) + 1, 0, height_);
    for (std::int64_t y = top; y < bottom; ++y) {
        const Interval row = strokeRow(x1, y1, x2, y2, radius, y + 0.5 + kTieBreak);
        if (row.empty()) continue;
        // Pixel x is in when x + 0.5 + kTieBreak lies in the row.
        const double left = std::ceil(row.low - 0.5 - kTieBreak), right = std::floor(row.high - 0.5 - kTieBreak) + 1;
        fillSpan(y, clampTo(left, -1, width_), clampTo(right, -1, width_), word);
    }
}

// Pixels whose centres lie strictly inside; the same rule on both sides keeps the figure
// mirror-symmetric about its centre.
void Surface::fillEllipse(double centreX, double centreY, double radiusX, double radiusY, std::uint32_t word) {
    if (radiusX <= 0 || radiusY <= 0) return;
    const std::int64_t top = clampTo(std::floor(centreY - radiusY), 0, height_);
    const std::int64_t bottom = clampTo(std::ceil(centreY + radiusY), 0, height_);
    for (std::int64_t y = top; y < bottom; ++y) {
        const double across = (y + 0.5 - centreY) / radiusY;
        if (across * across >= 1) continue;
        const double half = radiusX * std::sqrt(1 - across * across);
        fillSpan(y, static_cast<std::int64_t>(std::floor(centreX - half - 0.5)) + 1,
                 static_cast<std::int64_t>(std::ceil(centreX + half - 0.5)), word);
    }
}

// The pen stays inside the box, the way width 1 does, so the fill is the box's ellipse
// shrunk by the pen width.
void Surface::drawEllipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                          std::int32_t penWidth, Colour lineColour, Colour fillColour) {
    const double centreX = (static_cast<double>(left) + right) / 2, centreY = (static_cast<double>(top) + bottom) / 2;
    const double radiusX = (static_cast<double>(right) - left) / 2, radiusY = (static_cast<double>(bottom) - top) / 2;
    const double pen = std::max(penWidth, 1);
    fillEllipse(centreX, centreY, radiusX, radiusY, swapRedBlue(lineColour));
    fillEllipse(centreX, centreY, radiusX - pen, radiusY - pen, swapRedBlue(fillColour));
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
    const Rect area{static_cast<std::int32_t>(clampTo(std::floor(inkLeft) - 1, 0, width_)),
                    static_cast<std::int32_t>(clampTo(std::floor(inkTop) - 1, 0, height_)),
                    static_cast<std::int32_t>(clampTo(std::ceil(inkLeft + ink.width) + 1, 0, width_)),
                    static_cast<std::int32_t>(clampTo(std::ceil(inkTop + ink.height) + 1, 0, height_))};
    // Also keeps far-away coordinates out of cairo's fixed-point range.
    if (area.empty()) return;
    cairo_surface_mark_dirty(surface_);
    cairo_move_to(cairo, x, baseline);
    cairo_show_text(cairo, text);
    cairo_surface_flush(surface_);
    markDamage(area);
}

void Surface::blit(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, const Surface& source,
                   std::int32_t sourceX, std::int32_t sourceY) {
    const Run columns = clipRun(x, sourceX, width, width_, source.width_);
    const Run rows = clipRun(y, sourceY, height, height_, source.height_);
    if (columns.length <= 0 || rows.length <= 0) return;
    for (std::int64_t i = 0; i < rows.length; ++i) {
        std::memcpy(pixels_ + (rows.to + i) * stride_ + columns.to,
                    source.pixels_ + (rows.from + i) * source.stride_ + columns.from,
                    static_cast<std::size_t>(columns.length) * sizeof(std::uint32_t));
    }
    markDamage({static_cast<std::int32_t>(columns.to), static_cast<std::int32_t>(rows.to),
                static_cast<std::int32_t>(columns.to + columns.length), static_cast<std::int32_t>(rows.to + rows.length)});
}

Colour Surface::pixel(std::int32_t x, std::int32_t y) const {
    const std::uint32_t* pixels = row(y);
    if (pixels == nullptr || x < 0 || x >= width_) return 0;
    return swapRedBlue(pixels[x]);
}

const std::uint32_t* Surface::row(std::int32_t y) const {
    if (pixels_ == nullptr || y < 0 || y >= height_) return nullptr;
    return pixels_ + y * stride_;
}
