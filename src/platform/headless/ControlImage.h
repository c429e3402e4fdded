#pragma once
#include "HeadlessPlatform.h"

// A plain picture of a control, so a headless screenshot shows the whole window.
void drawControlImage(const HeadlessControl& control, Surface& target, std::int32_t x, std::int32_t y,
                      std::int32_t width, std::int32_t height);
