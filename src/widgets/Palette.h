#pragma once
// The program's colours, in one place.
#include "Rgb.h"

constexpr Rgb FRAME_PANEL_COLOUR{200, 200, 200};  // also the check boxes' background
constexpr Rgb DRAWING_PANEL_COLOUR{255, 255, 255};
constexpr Rgb TAB_FACE_COLOUR{255, 255, 255};
// The tabs take these in turn; the selected one's frames the drawing panel.
constexpr Rgb TAB_COLOURS[] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}};
constexpr Rgb POLYGON_COLOUR{0, 0, 0};
constexpr Rgb POINT_COLOUR{255, 0, 0};
// A point being dragged: a green disc in a black outline.
constexpr Rgb HELD_POINT_COLOUR{0, 255, 0};
constexpr Rgb HELD_POINT_OUTLINE_COLOUR{0, 0, 0};
constexpr Rgb CURVE_COLOUR{0, 255, 0};
constexpr Rgb SHELL_COLOUR{128, 128, 128};
constexpr Rgb SHELL_DOT_COLOUR{0, 0, 255};
