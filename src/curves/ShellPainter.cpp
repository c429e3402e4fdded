#include "ShellPainter.h"

#include <cmath>

#include "Palette.h"
#include "Panel.h"
#include "PixelPath.h"
#include "Saturate.h"

namespace {
constexpr std::int32_t SHELL_DOT_RADIUS = 2;
}  // namespace

void ShellPainter::segment(const Vec2& from, const Vec2& to) {
    PixelPath line(panel, 0, SHELL_COLOUR);
    line.moveTo(from);
    line.lineTo(to);
    dot(from, SHELL_DOT_RADIUS);
    dot(to, SHELL_DOT_RADIUS);
}

void ShellPainter::dot(const Vec2& centre, std::int32_t radius) {
    if (!std::isfinite(centre.x) || !std::isfinite(centre.y)) return;
    panel.drawDisc(saturateToInt32(centre.x), saturateToInt32(centre.y), radius, SHELL_DOT_COLOUR.red,
                   SHELL_DOT_COLOUR.green, SHELL_DOT_COLOUR.blue);
}
