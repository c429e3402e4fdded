#pragma once
#include <vector>

#include "CasteljauLanes.h"
#include "CurveGen.h"
#include "ResolutionRow.h"
#include "ShellRow.h"
#include "ShorterPanel.h"

// The Bézier curve by nested linear interpolation (de Casteljau) at evenly spaced
// parameters; on request also the construction itself at one parameter: the intermediate
// polygons ("shells") and the curve point they lead to. Its two rows of controls make the
// drawing panel shorter while it lives.
class NLI : public CurveGen {
public:
    explicit NLI(Panel* panel);

    void layout() override;
    void drawCurve(const std::vector<ControlPoint*>& points) override;

private:
    // The curve points at the parameters, whole groups of lanes.
    void construct(const std::vector<float>& parameters, std::vector<Vec2>& curve);
    void drawShells(const std::vector<ControlPoint*>& points, float s);
    // Loads the control points into the work array.
    void startConstruction(const std::vector<ControlPoint*>& points);

    ShellRow shells;
    ResolutionRow row;
    std::vector<Vec2> work;
    CasteljauLanes lanes, laterLanes;  // the second for the later half of a split construction
    ShorterPanel shorter;
};
