#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Vec2.h"

class ControlPoint;

// The parameter step of the sampled Bézier constructions: 2 / N with N = r * n, or n when the
// resolution r is 0, rounded to a 32-bit float. The parameters h, 2h, ... are accumulated in
// floats while they stay within LAST_PARAMETER.
float bezierStep(std::size_t pointCount, std::int32_t resolution);

constexpr float LAST_PARAMETER = 1.0001f;

// The control polygon as the mathematics takes it, in the order the points were placed.
void readPolygon(const std::vector<ControlPoint*>& points, std::vector<Vec2>& polygon);
