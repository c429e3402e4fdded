#include "Polynomial.h"

#include "ControlPoint.h"
#include "PixelPath.h"

Polynomial::Polynomial(Panel* panel) : CurveGen(panel), row(*panel), hidden(*panel) { layout(); }

void Polynomial::layout() { row.layout(); }

void Polynomial::drawCurve(const std::vector<ControlPoint*>& points) {
    interpolator.reset();
    for (const ControlPoint* point : points) interpolator.addPoint(point->x, point->y);
    interpolator.prepare();

    const std::int32_t r = row.resolution();
    const double step = r != 0 ? 1.0 / r : 1.0;
    PixelPath path(*panel, CURVE_PEN_WIDTH, CURVE_COLOUR);
    const auto lineTo = [&](double t) {
        const NewtonInterpolator::Pair point = interpolator.evaluate(t);
        path.lineTo(point.x, point.y);
    };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        interpolator.centreOn(static_cast<std::int32_t>(i));
        const NewtonInterpolator::Pair start = interpolator.evaluate(static_cast<float>(i));
        path.moveTo(start.x, start.y);
        if (step < 1.0)
            for (double s = step; s < 1.0; s += step) lineTo(static_cast<double>(i) + s);
        // Every interval ends exactly at the next node, whatever the rounding of s.
        lineTo(static_cast<double>(i) + 1.0);
    }
}
