// "Polynomial": the interpolating polynomial through every point, with the control polygon
// hidden while it is the construction.
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"
#include "ScrollBar.h"

namespace {

constexpr Colour GREEN = rgb(0, 255, 0);
constexpr Colour BLACK = rgb(0, 0, 0);

class PolynomialTest : public DrawingSceneFixture {};

TEST_F(PolynomialTest, FourPointsOfAParabolaGiveTheParabolaWithoutThePolygon) {
    createPolynomial(manager);
    for (const auto& [x, y] : {std::pair{100, 150}, {200, 50}, {300, 150}, {400, 450}}) clickIn(x, y);
    frameAt(0, 0);
    for (std::int32_t x = 110; x < 400; x += 5) {
        const double y = (x - 200) * (x - 200) / 100.0 + 50;
        if (x % 100 > 8 && x % 100 < 92) {  // clear of the markers
            EXPECT_TRUE(shownNear(GREEN, x, y, 1)) << "x " << x;
        }
    }
    EXPECT_FALSE(shownNear(BLACK, 150, 100, 2)) << "the polygon is hidden";

    createBB(manager);
    frameAt(0, 0);
    EXPECT_TRUE(shownNear(BLACK, 150, 100, 1)) << "the polygon is back";
}

TEST_F(PolynomialTest, ResolutionZeroJoinsTheNodesByStraightLines) {
    createPolynomial(manager);
    for (const auto& [x, y] : {std::pair{100, 100}, {300, 300}, {500, 100}}) clickIn(x, y);
    auto* bar = static_cast<ScrollBar*>(framePanel->controls.back());
    EXPECT_FALSE(shownNear(GREEN, 200, 200, 2));
    bar->handleMessage(WM_HSCROLL, makeWParam(SB_THUMBTRACK, 0), bar->handle);
    EXPECT_TRUE(shownNear(GREEN, 200, 200, 1));
    EXPECT_TRUE(shownNear(GREEN, 400, 200, 1));
}

}  // namespace
