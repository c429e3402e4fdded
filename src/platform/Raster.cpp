#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "Saturate.h"

namespace {

// Wide lines sample each pixel a hair below-right of its centre: a centre lying exactly on
// the stroke's edge then counts on the top/left side only, so a stroke of even width
// covers exactly that many rows (or columns) instead of one more.
constexpr double kTieBreak = 1.0 / 1024;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Twice the largest surface side: an ellipse any larger is worked out row by row from its
// equation, as walking its outline would take too long.
constexpr std::int64_t kLargestWalkedEllipse = 1 << 16;

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

// A stroke with round ends: the two end discs and the band between them. The stroke is convex,
// so the hull of where a row crosses those three is where it crosses the stroke. What does not
// depend on the row is worked out once.
class Stroke {
public:
    Stroke(double x1, double y1, double x2, double y2, double radius)
        : x1(x1), y1(y1), x2(x2), y2(y2), radius(radius), dx(x2 - x1), dy(y2 - y1),
          lengthSquared(dx * dx + dy * dy), reach(radius * std::sqrt(lengthSquared)) {
        if (std::max({std::abs(x1), std::abs(y1), std::abs(x2), std::abs(y2)}) < kNear) {
            innerTop = std::min(y1, y2) + radius + 1;
            innerBottom = std::max(y1, y2) - radius - 1;
        }
    }

    // Where the horizontal line at height y crosses the stroke.
    Interval row(double y) const {
        // Cross product within radius * length.
        const Interval across = solve(dy, -x1 * dy - (y - y1) * dx, -reach, reach);
        if (y >= innerTop && y <= innerBottom) return across;
        // Projection onto the segment within it.
        const Interval along = solve(dx, (y - y1) * dy - x1 * dx, 0, lengthSquared);
        return hull(hull(discRow(x1, y1, radius, y), discRow(x2, y2, radius, y)), meet(along, across));
    }

private:
    // Up to here the rounding of the row's sums and quotients stays far below a pixel.
    static constexpr double kNear = 1 << 24;

    double x1, y1, x2, y2, radius;
    double dx, dy, lengthSquared, reach;
    // A row this far inside the stroke's height, a pixel beyond the end discs, meets neither
    // disc, and there the band's sides lie at least two pixels inside where the projection
    // leaves the segment: the sides alone bound it. Empty for far-away strokes.
    double innerTop = kInfinity, innerBottom = -kInfinity;
};

}  // namespace

inline void Raster::fillSpan(std::int64_t y, std::int64_t left, std::int64_t right, std::uint32_t word) {
    if (y < 0 || y >= height_) return;
    left = std::max<std::int64_t>(left, 0);
    right = std::min<std::int64_t>(right, width_);
    if (left >= right) return;
    std::uint32_t* row = pixels_ + y * stride_;
    std::fill(row + left, row + right, word);
    drawn_.left = std::min(drawn_.left, left);
    drawn_.top = std::min(drawn_.top, y);
    drawn_.right = std::max(drawn_.right, right);
    drawn_.bottom = std::max(drawn_.bottom, y + 1);
}

void Raster::addDrawnToDamage() {
    if (drawn_.left > drawn_.right) return;
    // Inside the surface, so within int32.
    damage_.unite({static_cast<std::int32_t>(drawn_.left), static_cast<std::int32_t>(drawn_.top),
                   static_cast<std::int32_t>(drawn_.right), static_cast<std::int32_t>(drawn_.bottom)});
    drawn_ = Extent{};
}

void Raster::fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                       Colour colour) {
    const std::uint32_t word = swapRedBlue(colour);
    for (std::int64_t y = std::max(top, 0); y < std::min(bottom, height_); ++y) fillSpan(y, left, right, word);
    addDrawnToDamage();
}

void Raster::drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                       Colour colour) {
    if (x1 == x2 && y1 == y2) return;  // the bulk of a curve redraw: leave at once
    const std::uint32_t word = swapRedBlue(colour);
    if (penWidth <= 1) {
        drawThinLine(x1, y1, x2, y2, word);
    } else {
        // Wide strokes run between pixel centres.
        drawWideLine(x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5, penWidth / 2.0, word);
    }
    addDrawnToDamage();
}

// Steps along the major axis, leaving out the end pixel; at step i the minor coordinate is
// minor1 + i * minorDelta / majorDelta rounded to the nearer pixel, and at a tie to the
// smaller coordinate, as GDI does: whichever way the line is drawn, its pixels are the
// same. Only the steps inside the surface are walked.
void Raster::drawThinLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
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
    // 128 bits: step and minor delta may each be near 2^32. Rounding half up, less a hair
    // when the minor coordinate grows, rounds a tie down.
    const __int128 numerator = static_cast<__int128>(first) * twiceMinor + steps - (minorStep > 0 ? 1 : 0);
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

// Built for AVX2 as well, where ceil and floor are one instruction each.
WIDEST_LANES void Raster::drawWideLine(double x1, double y1, double x2, double y2, double radius, std::uint32_t word) {
    const std::int64_t top = clampToInt32(std::floor(std::min(y1, y2) - radius) - 1, 0, height_);
    const std::int64_t bottom = clampToInt32(std::ceil(std::max(y1, y2) + radius) + 1, 0, height_);
    const Stroke stroke(x1, y1, x2, y2, radius);
    for (std::int64_t y = top; y < bottom; ++y) {
        const Interval row = stroke.row(y + 0.5 + kTieBreak);
        if (row.empty()) continue;
        // Pixel x is in when x + 0.5 + kTieBreak lies in the row.
        const double left = std::ceil(row.low - 0.5 - kTieBreak), right = std::floor(row.high - 0.5 - kTieBreak) + 1;
        fillSpan(y, clampToInt32(left, -1, width_), clampToInt32(right, -1, width_), word);
    }
}

// Pixels whose centres lie strictly inside; the same rule on both sides keeps the figure
// mirror-symmetric about its centre.
void Raster::fillEllipse(double centreX, double centreY, double radiusX, double radiusY, std::uint32_t word) {
    if (radiusX <= 0 || radiusY <= 0) return;
    const std::int64_t top = clampToInt32(std::floor(centreY - radiusY), 0, height_);
    const std::int64_t bottom = clampToInt32(std::ceil(centreY + radiusY), 0, height_);
    for (std::int64_t y = top; y < bottom; ++y) {
        const double across = (y + 0.5 - centreY) / radiusY;
        if (across * across >= 1) continue;
        const double half = radiusX * std::sqrt(1 - across * across);
        fillSpan(y, static_cast<std::int64_t>(std::floor(centreX - half - 0.5)) + 1,
                 static_cast<std::int64_t>(std::ceil(centreX + half - 0.5)), word);
    }
}

// GDI's ellipse with a one-pixel pen, to the pixel: the outline runs through the centres
// of the box's outermost pixels, walked as Alois Zingl's Bresenham ellipse over the lower
// right quadrant and mirrored to the other three; each row is filled between its outline
// pixels. The program's figures use pens 0 and 1 only, so wider pens draw one pixel too.
void Raster::drawEllipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                          std::int32_t /*penWidth*/, Colour lineColour, Colour fillColour) {
    const std::int64_t width = std::int64_t{right} - left, height = std::int64_t{bottom} - top;
    if (width <= 0 || height <= 0 || right <= 0 || bottom <= 0 || left >= width_ || top >= height_) return;
    const std::uint32_t line = swapRedBlue(lineColour), fill = swapRedBlue(fillColour);
    if (width > kLargestWalkedEllipse || height > kLargestWalkedEllipse) {
        // Far larger than any surface: only the rows inside are worked out, from the equation.
        const double centreX = (static_cast<double>(left) + right) / 2;
        const double centreY = (static_cast<double>(top) + bottom) / 2;
        fillEllipse(centreX, centreY, width / 2.0, height / 2.0, line);
        fillEllipse(centreX, centreY, width / 2.0 - 1, height / 2.0 - 1, fill);
        addDrawnToDamage();
        return;
    }
    const std::int64_t a = width - 1, b = height - 1;
    std::int64_t dx = 4 * b * b * (1 - a), dy = 4 * a * a * (1 + b % 2);
    std::int64_t error = dx + dy + a * a * (b % 2);
    // (x, y) in box coordinates, from the right end of the middle row down to the bottom row;
    // the outline pixels of row y run from x to runEnd.
    std::int64_t x = a, y = height / 2, runEnd = a;
    while (x >= width / 2) {
        const std::int64_t twiceError = 2 * error;
        std::int64_t nextX = x, nextY = y;
        if (twiceError >= dx) {
            --nextX;
            dx += 8 * b * b;
            error += dx;
        }
        if (twiceError <= dy) {
            ++nextY;
            dy += 8 * a * a;
            error += dy;
        }
        if (nextY != y || nextX < width / 2) {
            for (const std::int64_t row : {top + y, top + height - 1 - y}) {
                fillSpan(row, left + width - 1 - runEnd, left + runEnd + 1, fill);
                if (line == fill) continue;  // a disc: the outline lies within the row's fill
                fillSpan(row, left + width - 1 - runEnd, left + width - x, line);
                fillSpan(row, left + x, left + runEnd + 1, line);
            }
            runEnd = nextX;
        }
        x = nextX;
        y = nextY;
    }
    addDrawnToDamage();
}
