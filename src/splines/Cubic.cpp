#include "Cubic.h"

#include "ControlPoint.h"
#include "GeneratorControls.h"
#include "PixelPath.h"

Cubic::Cubic(Panel* panel) : CurveGen(panel), row(*panel) {
    layout();
    showControlPolygon(*panel, 0);
}

Cubic::~Cubic() { showControlPolygon(*panel, 1); }

void Cubic::layout() { row.layout(); }

void Cubic::drawCurve(const std::vector<ControlPoint*>& points) {
    solver.clearPoints();
    const std::int32_t r = row.resolution();
    const double h = r == 0 ? 1.0 : 1.0 / r;
    for (const ControlPoint* point : points) solver.addPoint(point->x, point->y);
    solver.solve(0);
    for (std::size_t j = 0; j + 1 < points.size(); ++j) drawSegment(static_cast<double>(j), h);
}

void Cubic::drawSegment(double j, double h) {
    std::int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    const auto lineTo = [&](double t) {
        solver.evaluate(t, &x1, &y1);
        panel->drawLine(x0, y0, x1, y1, CURVE_PEN_WIDTH, CURVE_COLOUR.red, CURVE_COLOUR.green, CURVE_COLOUR.blue);
        x0 = x1;
        y0 = y1;
    };
    solver.evaluate(j, &x0, &y0);
    for (double s = h; s < 1; s += h) lineTo(j + s);
    lineTo(j + 1);
}
