#pragma once
// The tab strip's factories: each replaces the manager's active construction with a new one
// built on the manager's panel. userData is the ControlManager.
#include "ControlManager.h"
#include "CurveGen.h"
#include "Panel.h"

template <typename Generator>
CurveGen* createGenerator(void* userData) {
    auto* manager = static_cast<ControlManager*>(userData);
    // The old construction takes its controls and labels with it.
    delete manager->generator;
    CurveGen* created = new Generator(manager->owner);
    manager->generator = created;
    manager->owner->dirty = 1;
    return created;
}

CurveGen* createBSpline(void* userData);
CurveGen* createPolynomial(void* userData);
CurveGen* createNLI(void* userData);
CurveGen* createBB(void* userData);
CurveGen* createMidpoint(void* userData);
CurveGen* createCubic(void* userData);
