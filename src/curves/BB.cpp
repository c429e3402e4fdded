#include "BB.h"

#include "BezierSampling.h"
#include "ControlPoint.h"
#include "PixelPath.h"

namespace {

// x to the power e by square-and-multiply, every product rounded to a float.
float power(float x, std::int32_t e) {
    float result = 1.0f;
    for (; e != 0; e >>= 1) {
        if ((e & 1) != 0) result *= x;
        x *= x;
    }
    return result;
}
}  // namespace

BB::BB(Panel* panel) : CurveGen(panel), row(*panel) { layout(); }

void BB::layout() { row.layout(); }

void BB::drawCurve(const std::vector<ControlPoint*>& points) {
    if (points.empty()) return;
    // An infinite coefficient makes every curve point infinite or NaN, so nothing would be
    // drawn: the sampling, whose cost grows with the square of the point count (a minute and a
    // half at 10,000 points), and rows of hundreds of megabytes are spared.
    if (table.overflows(static_cast<std::int32_t>(points.size()) - 1)) return;
    const float h = bezierStep(points.size(), row.resolution());
    PixelPath path(*panel, CURVE_PEN_WIDTH, CURVE_COLOUR);
    // t = 0 is never evaluated: the first segment starts at P0 itself.
    path.moveTo(Vec2::fromPoint(*points[0]));
    for (float t = h; !(t > LAST_PARAMETER); t += h) path.lineTo(pointAt(points, t));
}

// The Bernstein sum at t: the weights in 64 bits, the sums in 32.
Vec2 BB::pointAt(const std::vector<ControlPoint*>& points, float t) {
    const auto degree = static_cast<std::int32_t>(points.size()) - 1;
    const float u = 1.0f - t;
    Vec2 sum;
    for (std::int32_t i = 0; i <= degree; ++i) {
        const double weight = (table.coef(degree, i) * power(u, degree - i)) * power(t, i);
        const ControlPoint& p = *points[static_cast<std::size_t>(i)];
        sum.x += static_cast<float>(p.x * weight);
        sum.y += static_cast<float>(p.y * weight);
    }
    return sum;
}
