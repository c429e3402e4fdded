#pragma once
#include "LayoutRule.h"
#include "Object.h"

// Places and sizes its owner panel by four rules against the window's client size.
class SizeController : public Object {
public:
    SizeController() : Object(KIND_SIZE_CONTROLLER) {}
    void update() override;

    LayoutRule leftRule;
    LayoutRule topRule;
    LayoutRule widthRule;
    LayoutRule heightRule;
    std::int32_t lastWindowWidth = -1;  // -1: lay out at the next update
    std::int32_t lastWindowHeight = -1;
};
