#pragma once
// A construction for tests: a resolution row like the real ones (0 to 20, starting at 10) and
// the point counts of its redraws.
#include <vector>

#include "CurveGen.h"
#include "ResolutionRow.h"

class SpyGenerator : public CurveGen {
public:
    explicit SpyGenerator(Panel* panel) : CurveGen(panel), row(*panel, 10, 20) { layout(); }
    void layout() override { row.layout(); }
    void drawCurve(const std::vector<ControlPoint*>& points) override { drawnCounts.push_back(points.size()); }

    ResolutionRow row;
    std::vector<std::size_t> drawnCounts;
};
