#include "BB.h"

#include "BezierSampling.h"
#include "PixelPath.h"

BB::BB(Panel* panel) : CurveGen(panel), row(*panel) { layout(); }

void BB::layout() { row.layout(); }

void BB::drawCurve(const std::vector<ControlPoint*>& points) {
    if (points.empty()) return;
    const float h = bezierStep(points.size(), row.resolution());
    PixelPath path(*panel, CURVE_PEN_WIDTH, CURVE_COLOUR);
    // t = 0 is never evaluated: the first segment starts at P0 itself.
    readPolygon(points, polygon);
    path.moveTo(polygon[0]);
    for (float t = h; !(t > LAST_PARAMETER); t += h) path.lineTo(sum.at(polygon, t));
}
