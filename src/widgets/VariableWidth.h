#pragma once
#include "Object.h"

// Keeps its owner panel at fixed fractions of the window's client size.
class VariableWidth : public Object {
public:
    VariableWidth(float widthFactor, float heightFactor)
        : Object(KIND_VARIABLE_WIDTH), widthFactor(widthFactor), heightFactor(heightFactor) {}
    void update() override;

    float widthFactor;
    float heightFactor;
};
