#include "ShellPainter.h"

#include <cmath>

#include "Palette.h"
#include "Panel.h"
#include "PixelPath.h"
#include "Saturate.h"

namespace {
constexpr std::int32_t SHELL_DOT_RADIUS = 2;
}  // namespace

// Each line is followed by the dot on its start; a dot on its end would be painted over by the
// same dot after the next line, so each point gets one dot, the last one after the last line.
void ShellPainter::level(const Vec2* first, std::size_t count, std::ptrdiff_t step) {
    if (count < 2) return;
    const Vec2* point = first;
    PixelPath line(panel, 0, SHELL_COLOUR);
    line.moveTo(*point);
    for (std::size_t k = 0; k + 1 < count; ++k, point += step) {
        line.lineTo(point[step]);
        dot(*point, SHELL_DOT_RADIUS);
    }
    dot(*point, SHELL_DOT_RADIUS);
}

void ShellPainter::dot(const Vec2& centre, std::int32_t radius) {
    if (!std::isfinite(centre.x) || !std::isfinite(centre.y)) return;
    panel.drawDisc(saturateToInt32(centre.x), saturateToInt32(centre.y), radius, SHELL_DOT_COLOUR.red,
                   SHELL_DOT_COLOUR.green, SHELL_DOT_COLOUR.blue);
}
