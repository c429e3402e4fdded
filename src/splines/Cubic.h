#pragma once
#include <cstdint>

#include "CurveGen.h"
#include "ResolutionRow.h"
#include "SplineSolver.h"

// The natural cubic spline through the control points, point k at t = k, drawn segment by
// segment as a green polyline; the resolution bar sets the lines per segment. The control
// polygon stays hidden while this construction is active.
class Cubic : public CurveGen {
public:
    explicit Cubic(Panel* panel);
    ~Cubic() override;

    void layout() override;
    void drawCurve(const std::vector<ControlPoint*>& points) override;

private:
    // Samples at j + h, j + 2h, ... by a running sum below 1, then closes at exactly j + 1.
    void drawSegment(double j, double h);

    ResolutionRow row;
    // Kept between redraws for its elimination record: a drag changes the points, not their count.
    SplineSolver solver;
};
