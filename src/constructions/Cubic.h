#pragma once
#include <cstdint>

#include "CurveGen.h"
#include "HiddenPolygon.h"
#include "ResolutionRow.h"
#include "SplineSolver.h"

// The natural cubic spline through the control points, point k at t = k, drawn segment by
// segment as a green polyline; the resolution bar sets the lines per segment. The control
// polygon stays hidden while this construction is active.
class Cubic : public CurveGen {
public:
    explicit Cubic(Panel* panel);

    void layout() override;
    void drawCurve(const std::vector<ControlPoint*>& points) override;

private:
    // Samples at j + h, j + 2h, ... by a running sum below 1, then closes at exactly j + 1; starts
    // at (x, y), the point at j, and leaves the point at j + 1 there.
    void drawSegment(double j, double h, std::int32_t& x, std::int32_t& y);

    ResolutionRow row;
    HiddenPolygon hidden;
    // Kept between redraws for its elimination record: a drag changes the points, not their count.
    SplineSolver solver;
    // One segment's parameters and points, kept to spare allocations.
    std::vector<double> parameters;
    std::vector<std::int32_t> xs, ys;
};
