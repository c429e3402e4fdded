#pragma once
class Panel;

// Hides the black control polygon of the drawing panel for as long as it lives: the
// interpolating constructions pass through the points, and the polygon would only clutter.
class HiddenPolygon {
public:
    explicit HiddenPolygon(Panel& drawingPanel);
    ~HiddenPolygon();
    HiddenPolygon(const HiddenPolygon&) = delete;
    HiddenPolygon& operator=(const HiddenPolygon&) = delete;

private:
    Panel& drawingPanel;
};
