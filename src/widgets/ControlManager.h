#pragma once
#include <cstdint>
#include <vector>

#include "Object.h"

class Button;
class ControlPoint;
class CurveGen;

// Places control points on clicks into its panel, draws the control polygon and hands the
// points to the active curve construction. It owns the points; each also stands in the
// panel's object list so the panel updates and draws it.
class ControlManager : public Object {
public:
    ControlManager();

    void attached() override;
    void update() override;
    void draw() override;
    void resized(std::int32_t width, std::int32_t height) override;

    // Button callback; userData is the manager.
    static void clear(void* userData);

    std::vector<ControlPoint*> points;
    CurveGen* generator = nullptr;
    Button* clearButton = nullptr;
    std::int32_t leftWasDown = 0;
    std::int32_t showPolygon = 1;

private:
    bool anyPointHit() const;
};
