// GDI's own pixels (the Windows surface) against those of our rasteriser, which draws on
// Linux: one-pixel lines in every direction and the circles of every size agree pixel for
// pixel; wide strokes may differ only along their edges.
#include "Raster.h"
#include "Surface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kSize = 48;
constexpr Colour kBlack = rgb(0, 0, 0), kGreen = rgb(0, 255, 0), kRed = rgb(255, 0, 0);

// Our rasteriser on a white canvas of its own.
class RasterCanvas {
public:
    RasterCanvas() : pixels_(kSize * kSize, 0xFFFFFF) {}
    Raster raster() { return Raster(pixels_.data(), kSize, kSize, kSize, damage_); }
    Colour pixel(int x, int y) const { return Raster::swapRedBlue(pixels_[y * kSize + x]); }

private:
    std::vector<std::uint32_t> pixels_;
    Rect damage_;
};

// The pixels where the two differ, as "x,y x,y ...".
std::string differences(const Surface& gdi, const RasterCanvas& ours) {
    std::string found;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (gdi.pixel(x, y) != ours.pixel(x, y)) found += std::to_string(x) + "," + std::to_string(y) + " ";
    return found;
}

TEST(GdiRasterTest, ThinLinesAgreeInEveryDirection) {
    const int from = kSize / 2;
    for (int pen : {0, 1})
        for (int dx = -15; dx <= 15; ++dx)
            for (int dy = -15; dy <= 15; ++dy) {
                Surface gdi(kSize, kSize);
                RasterCanvas ours;
                gdi.drawLine(from, from, from + dx, from + dy, pen, kBlack);
                ours.raster().drawLine(from, from, from + dx, from + dy, pen, kBlack);
                EXPECT_EQ(differences(gdi, ours), "") << "pen " << pen << " by " << dx << "," << dy;
            }
}

// The control points' discs (radius 6) and outlined circles (pen 1), the shells' discs
// (radius 2), and every other size, also cut by the surface's edge.
TEST(GdiRasterTest, CirclesAgreeAtEverySize) {
    for (int diameter = 2; diameter <= 30; ++diameter)
        for (int pen : {0, 1})
            for (int left : {9, -diameter / 2}) {
                Surface gdi(kSize, kSize);
                RasterCanvas ours;
                gdi.drawEllipse(left, 9, left + diameter, 9 + diameter, pen, kBlack, kGreen);
                ours.raster().drawEllipse(left, 9, left + diameter, 9 + diameter, pen, kBlack, kGreen);
                EXPECT_EQ(differences(gdi, ours), "") << "diameter " << diameter << " pen " << pen << " at " << left;
            }
}

// Where one rasteriser inks a pixel that the other leaves white, the other inks a neighbour.
TEST(GdiRasterTest, WideStrokesDifferOnlyAlongTheirEdges) {
    const int from = kSize / 2;
    for (int pen : {2, 3, 4})
        for (int dx = -15; dx <= 15; dx += 3)
            for (int dy = -15; dy <= 15; dy += 3) {
                SCOPED_TRACE(testing::Message() << "pen " << pen << " by " << dx << "," << dy);
                Surface gdi(kSize, kSize);
                RasterCanvas ours;
                gdi.drawLine(from, from, from + dx, from + dy, pen, kRed);
                ours.raster().drawLine(from, from, from + dx, from + dy, pen, kRed);
                const auto inkedNear = [](const auto& surface, int x, int y) {
                    for (int v = y - 1; v <= y + 1; ++v)
                        for (int u = x - 1; u <= x + 1; ++u)
                            if (u >= 0 && v >= 0 && u < kSize && v < kSize && surface.pixel(u, v) == kRed) return true;
                    return false;
                };
                for (int y = 0; y < kSize; ++y)
                    for (int x = 0; x < kSize; ++x) {
                        EXPECT_TRUE(gdi.pixel(x, y) != kRed || inkedNear(ours, x, y)) << "GDI alone at " << x << "," << y;
                        EXPECT_TRUE(ours.pixel(x, y) != kRed || inkedNear(gdi, x, y)) << "ours alone at " << x << "," << y;
                    }
            }
}

}  // namespace
