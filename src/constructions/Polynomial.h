#pragma once
#include "CurveGen.h"
#include "HiddenPolygon.h"
#include "NewtonInterpolator.h"
#include "ResolutionRow.h"

// The interpolating polynomial through all points, point k at the parameter k, drawn interval
// by interval. The control polygon is hidden while it lives.
class Polynomial : public CurveGen {
public:
    explicit Polynomial(Panel* panel);

    void layout() override;
    void drawCurve(const std::vector<ControlPoint*>& points) override;

private:
    ResolutionRow row;
    HiddenPolygon hidden;
    NewtonInterpolator interpolator;
};
