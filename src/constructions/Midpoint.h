#pragma once
#include <cstddef>

#include "CurveGen.h"
#include "ResolutionRow.h"

struct Vec2;

// The Bézier curve of the control polygon by repeated midpoint subdivision; the resolution
// bar sets the depth, and the polygons of the last level are drawn as the curve.
class Midpoint : public CurveGen {
public:
    explicit Midpoint(Panel* panel);

    void layout() override;
    void drawCurve(const std::vector<ControlPoint*>& points) override;

private:
    void drawPolyline(const Vec2* polygon, std::size_t count);

    ResolutionRow row;
};
