// GDI's own pixels (the Windows surface) against those of our rasteriser, which draws on Linux.
#include "Raster.h"
#include "GdiSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 48, kFrom = kSize / 2;
constexpr Colour kBlack = rgb(0, 0, 0), kGreen = rgb(0, 255, 0);

// Draws the same on both; lists ("x,y x,y ...") the pixels whose colour the other lacks within `slack`.
template <typename Draw>
std::string differences(const Draw& draw, int slack) {
    GdiSurface gdi(kSize, kSize);
    std::vector<std::uint32_t> words(kSize * kSize, 0xFFFFFF);
    Rect damage;
    Raster raster(words.data(), kSize, kSize, kSize, damage);
    draw(gdi);
    draw(raster);
    const auto ours = [&](int x, int y) { return Raster::swapRedBlue(words[y * kSize + x]); };
    const auto near = [&](bool inGdi, int x, int y, Colour colour) {
        for (int v = std::max(y - slack, 0); v <= std::min(y + slack, kSize - 1); ++v)
            for (int u = std::max(x - slack, 0); u <= std::min(x + slack, kSize - 1); ++u)
                if ((inGdi ? gdi.pixel(u, v) : ours(u, v)) == colour) return true;
        return false;
    };
    std::string found;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (!near(false, x, y, gdi.pixel(x, y)) || !near(true, x, y, ours(x, y)))
                found += std::to_string(x) + "," + std::to_string(y) + " ";
    return found;
}

// Thin lines in every direction agree pixel for pixel, and so do circles of every size: the control
// points' discs (radius 6) and outlined circles (pen 1), the shells' discs (radius 2), also cut by the
// surface's edge. Wide strokes may differ only along their edges.
TEST(GdiRasterTest, FiguresAgree) {
    for (int pen : {0, 1, 2, 3, 4}) {
        for (int dx = -15; dx <= 15; dx += pen > 1 ? 3 : 1)
            for (int dy = -15; dy <= 15; dy += pen > 1 ? 3 : 1) {
                const auto line = [&](auto& s) { s.drawLine(kFrom, kFrom, kFrom + dx, kFrom + dy, pen, kBlack); };
                EXPECT_EQ(differences(line, pen > 1 ? 1 : 0), "") << "pen " << pen << " by " << dx << "," << dy;
            }
        for (int size = 2; size <= 30 && pen <= 1; ++size)
            for (int x : {9, -size / 2}) {
                const auto circle = [&](auto& s) { s.drawEllipse(x, 9, x + size, 9 + size, pen, kBlack, kGreen); };
                EXPECT_EQ(differences(circle, 0), "") << "size " << size << " pen " << pen << " at " << x;
            }
    }
}

}  // namespace
