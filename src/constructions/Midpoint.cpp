#include "Midpoint.h"

#include "BezierSampling.h"
#include "PixelPath.h"
#include "Subdivider.h"

namespace {
constexpr std::int32_t INITIAL_DEPTH = 5;
constexpr std::int32_t MAXIMUM_DEPTH = 10;
}  // namespace

Midpoint::Midpoint(Panel* panel) : CurveGen(panel), row(*panel, INITIAL_DEPTH, MAXIMUM_DEPTH) { layout(); }

void Midpoint::layout() { row.layout(); }

void Midpoint::drawCurve(const std::vector<ControlPoint*>& points) {
    std::vector<Vec2> polygon;
    readPolygon(points, polygon);
    Subdivider(polygon.size(), row.resolution())
        .run(polygon.data(), [this](const Vec2* q, std::size_t count) { drawPolyline(q, count); });
}

void Midpoint::drawPolyline(const Vec2* polygon, std::size_t count) {
    PixelPath path(*panel, CURVE_PEN_WIDTH, CURVE_COLOUR);
    path.moveTo(polygon[0]);
    for (std::size_t i = 1; i < count; ++i) path.lineTo(polygon[i]);
}
