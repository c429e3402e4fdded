#pragma once
#include <vector>

class Panel;
class ControlPoint;

// A curve construction: draws its curve from the control points into the drawing panel
// and places its own controls below that panel.
class CurveGen {
public:
    explicit CurveGen(Panel* panel) : panel(panel) {}
    virtual ~CurveGen() = default;
    CurveGen(const CurveGen&) = delete;
    CurveGen& operator=(const CurveGen&) = delete;

    virtual void layout() {}
    // The points in the order they were placed; a generator only reads them.
    virtual void drawCurve(const std::vector<ControlPoint*>& /*points*/) {}

    Panel* const panel;
};
