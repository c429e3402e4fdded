#include "Vec2.h"

#include "ControlPoint.h"

Vec2 Vec2::fromPoint(const ControlPoint& point) { return {static_cast<float>(point.x), static_cast<float>(point.y)}; }
