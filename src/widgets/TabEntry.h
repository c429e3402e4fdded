#pragma once
#include <cstdint>

#include "Rgb.h"

class CurveGen;

// Called when its tab becomes selected; the strip ignores the result.
using GeneratorFactory = CurveGen* (*)(void* userData);

struct TabEntry {
    const char* label;  // not owned
    std::int32_t width;
    std::int32_t selected;
    GeneratorFactory factory;  // may be null
    void* userData;
    Rgb colour;
};
