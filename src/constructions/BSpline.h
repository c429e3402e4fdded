#pragma once
#include "CurveGen.h"
#include "DeBoorCurve.h"
#include "ResolutionRow.h"
#include "ShellRow.h"
#include "ShorterPanel.h"

class TextBox;
class TextObj;

// The B-spline of a typed degree over a typed knot list, with the control points as its de
// Boor points, sampled at evenly spaced parameters; on request also the De Boor construction
// at one parameter (the shells). Its three rows of controls make the drawing panel shorter
// while it lives.
class BSpline : public CurveGen {
public:
    explicit BSpline(Panel* panel);
    ~BSpline() override;

    void layout() override;
    void drawCurve(const std::vector<ControlPoint*>& points) override;

    // The edit boxes' notifications: userData is the BSpline, text a buffer they take over.
    static void onKnotsEdited(void* userData, char* text);
    static void onDegreeEdited(void* userData, char* text);

    ShellRow shells;
    ResolutionRow row;
    TextBox* knotBox;
    TextObj* knotLabel;
    TextBox* degreeBox;
    TextObj* degreeLabel;
    DeBoorCurve curve;

private:
    ShorterPanel shorter;


    // The parameter step of the sampled curve for P points.
    float step(std::int32_t pointCount) const;
    void drawShells(float s);
};
