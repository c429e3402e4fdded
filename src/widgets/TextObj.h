#pragma once
#include "Object.h"

// A text label drawn at (x, y) of its owner panel; the text is not owned.
class TextObj : public Object {
public:
    explicit TextObj(const char* text) : Object(KIND_TEXT_OBJ), text(text) {}
    void draw() override;

    const char* text;
    std::int32_t x = 0, y = 0;
};
