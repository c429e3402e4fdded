#include "Cubic.h"

#include "ControlPoint.h"
#include "GeneratorControls.h"
#include "PixelPath.h"

Cubic::Cubic(Panel* panel) : CurveGen(panel), row(*panel), hidden(*panel) { layout(); }

void Cubic::layout() { row.layout(); }

void Cubic::drawCurve(const std::vector<ControlPoint*>& points) {
    solver.clearPoints();
    const std::int32_t r = row.resolution();
    const double h = r == 0 ? 1.0 : 1.0 / r;
    for (const ControlPoint* point : points) solver.addPoint(point->x, point->y);
    solver.solve(0);
    if (points.size() < 2) return;
    std::int32_t x = 0, y = 0;
    solver.evaluate(0.0, &x, &y);
    for (std::size_t j = 0; j + 1 < points.size(); ++j) drawSegment(static_cast<double>(j), h, x, y);
}

// The point at j is the one the previous segment closed with (the same t, so the same point).
void Cubic::drawSegment(double j, double h, std::int32_t& x, std::int32_t& y) {
    parameters.clear();
    for (double s = h; s < 1; s += h) parameters.push_back(j + s);
    parameters.push_back(j + 1);
    xs.resize(parameters.size() + 1);
    ys.resize(parameters.size() + 1);
    xs[0] = x;
    ys[0] = y;
    solver.evaluate(parameters.data(), static_cast<std::int32_t>(parameters.size()), &xs[1], &ys[1]);
    for (std::size_t k = 1; k < xs.size(); ++k)
        panel->drawLine(xs[k - 1], ys[k - 1], xs[k], ys[k], CURVE_PEN_WIDTH, CURVE_COLOUR.red, CURVE_COLOUR.green,
                        CURVE_COLOUR.blue);
    x = xs.back();
    y = ys.back();
}
