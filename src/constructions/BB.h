#pragma once
#include "BernsteinSum.h"
#include "CurveGen.h"
#include "ResolutionRow.h"

// The Bézier curve of the control polygon from its Bernstein-Bézier form, sampled at evenly
// spaced parameters in 32-bit floats and joined by lines.
class BB : public CurveGen {
public:
    explicit BB(Panel* panel);

    void layout() override;
    void drawCurve(const std::vector<ControlPoint*>& points) override;

private:
    BernsteinSum sum;
    std::vector<Vec2> polygon;
    ResolutionRow row;
};
