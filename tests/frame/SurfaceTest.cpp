#include "Surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

namespace {

// On Windows the surface is GDI's, whose pixels differ in a few rules (GdiRasterTest compares the two).
#ifdef _WIN32
constexpr bool kGdi = true;
#else
constexpr bool kGdi = false;
#endif

constexpr Colour kWhite = rgb(255, 255, 255), kBlack = rgb(0, 0, 0), kRed = rgb(255, 0, 0), kGreen = rgb(0, 255, 0);
constexpr int kFar = 2000000000;

std::tuple<int, int, int, int> edges(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

struct Ink { Rect box; int count = 0; };

// Where a colour is (with matching false: every other colour), and how much of it.
Ink inkOf(const Surface& s, Colour colour, bool matching = true) {
    Ink ink;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if ((s.pixel(x, y) == colour) == matching) ink.box.unite({x, y, x + 1, y + 1}), ++ink.count;
    return ink;
}

bool contains(const Rect& outer, const Rect& inner) {
    return inner.empty() || (inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
                             inner.bottom <= outer.bottom);
}

auto patterned(int width, int height) {  // neither white nor 0 anywhere
    auto s = createSurface(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) s->fillRect(x, y, x + 1, y + 1, rgb(x * 20, y * 20, 1));
    return s;
}

// Rectangles leave out their right column and bottom row; thin lines (pens 0 and 1) their end pixel
// and, at a tie, take the smaller minor coordinate; cut by the edge, however far their ends, they stay put.
TEST(SurfaceTest, RectanglesAndThinLinesLeaveOutTheirFarEnd) {
    const struct { bool line; int x1, y1, x2, y2; Rect box; int count; } cases[] = {
        {false, 2, 3, 5, 7, {2, 3, 5, 7}, 12}, {false, 5, 3, 2, 7, {}, 0}, {false, 2, 3, 2, 7, {}, 0},
        {false, -5, -5, 3, 3, {0, 0, 3, 3}, 9}, {true, -kFar, 5, kFar, 5, {0, 5, 12, 6}, 12},
        {false, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, {0, 0, 12, 12}, 144},
        {true, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, {0, 0, 12, 12}, 12},
        {true, INT32_MAX, INT32_MIN + 11, INT32_MIN + 11, INT32_MAX, {0, 0, 11, 11}, 11},  // x + y = 10
        {true, 2, 5, 8, 5, {2, 5, 8, 6}, 6}, {true, 8, 5, 2, 5, {3, 5, 9, 6}, 6}, {true, 4, 1, 4, 9, {4, 1, 5, 9}, 8},
        {true, 0, 0, 5, 5, {0, 0, 5, 5}, 5}, {true, 1, 1, 2, 3, {1, 1, 2, 3}, 2}, {true, 3, 3, 3, 3, {}, 0},
    };
    for (const auto& c : cases)
        for (int pen : {0, 1}) {
            SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2 << " pen " << pen);
            const auto s = createSurface(12, 12);
            c.line ? s->drawLine(c.x1, c.y1, c.x2, c.y2, pen, kBlack) : s->fillRect(c.x1, c.y1, c.x2, c.y2, kBlack);
            EXPECT_EQ(std::pair(edges(inkOf(*s, kBlack).box), inkOf(*s, kBlack).count), std::pair(edges(c.box), c.count));
        }
}

// Strokes run through pixel centres with round ends; an even width puts its extra row above (column left).
TEST(SurfaceTest, WideLinesCoverTheirWidthWithRoundEnds) {
    const struct { int pen; Rect across; } cases[] = {{2, {9, 24, 41, 26}}, {3, {9, 24, 42, 27}}, {4, {8, 23, 42, 27}}};
    for (const auto& [pen, across] : cases) {
        const auto horizontal = createSurface(50, 50), vertical = createSurface(50, 50);
        horizontal->drawLine(10, 25, 40, 25, pen, kBlack);
        vertical->drawLine(25, 10, 25, 40, pen, kBlack);
        const Ink ink = inkOf(*horizontal, kBlack), turned = inkOf(*vertical, kBlack);
        EXPECT_EQ(std::pair(edges(ink.box), ink.count), std::pair(edges(across), turned.count)) << pen;
        EXPECT_EQ(edges(turned.box), std::tuple(across.top, across.left, across.bottom, across.right)) << pen;
    }
}

// Round, filling its box, mirror-symmetric about its centre, the one-pixel outline closed around the fill.
TEST(SurfaceTest, EllipsesAreRoundAndClosedInsideTheirBox) {
    for (int radius : {2, 6})
        for (int pen : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "radius " << radius << " pen " << pen);
            const int low = 20 - radius, high = 20 + radius;
            const auto s = createSurface(40, 40);
            s->drawEllipse(low, low, high, high, pen, kBlack, kGreen);
            EXPECT_EQ(edges(inkOf(*s, kBlack).box), std::tuple(low, low, high, high));
            EXPECT_NEAR(inkOf(*s, kWhite, false).count, M_PI * radius * radius, 2 * radius);
            EXPECT_EQ(std::pair(s->pixel(low, 20), s->pixel(low + 1, 20)), std::pair(kBlack, kGreen));  // one pixel wide
            for (int y = 1; y < 39; ++y)
                for (int x = 1; x < 39; ++x) {
                    EXPECT_TRUE(s->pixel(x, y) == s->pixel(39 - x, y) && s->pixel(x, y) == s->pixel(x, 39 - y))
                        << x << "," << y;
                    for (auto [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}})
                        EXPECT_FALSE(s->pixel(x, y) == kGreen && s->pixel(nx, ny) == kWhite) << x << "," << y;
                }
        }
}

TEST(SurfaceTest, TextIsCrispBlackBelowRightOfItsCornerAndFitsATab) {
    if (kGdi) GTEST_SKIP() << "Windows draws text in its own default font, antialiased";
    const auto s = createSurface(200, 40);
    s->clearDamage();
    s->drawText(10, 12, "DeBoor Splines");  // the widest tab label
    const Ink ink = inkOf(*s, kBlack);
    EXPECT_EQ(ink.count, inkOf(*s, kWhite, false).count);  // nothing antialiased
    EXPECT_TRUE(contains({10, 12, 10 + 105, 12 + 15}, ink.box) && contains(s->damage(), ink.box))
        << testing::PrintToString(edges(ink.box)) << " damage " << testing::PrintToString(edges(s->damage()));
    EXPECT_GE(ink.box.bottom - ink.box.top, 9);  // big enough to read
}

// Also: far-away figures change nothing, and a surface without pixels ignores everything.
TEST(SurfaceTest, DamageIsExactlyWhatChanged) {
    const auto pattern = patterned(30, 20);
    const std::function<void(Surface&)> drawings[] = {
        [](Surface& s) { s.fillRect(-5, 3, 9, 7, kRed); },
        [](Surface& s) { s.drawLine(2, 2, 6, 2, 0, kRed); s.fillRect(20, 30, 25, 35, kBlack); },  // both are damage
        [](Surface& s) { s.drawLine(70, 5, 20, 30, 1, kRed); },
        [](Surface& s) { s.drawLine(5, 5, 30, 12, 3, kRed); },
        [](Surface& s) { s.drawEllipse(70, 30, 90, 50, 1, kBlack, kGreen); },
        [&](Surface& s) { s.blit(60, 25, 40, 40, *pattern, 0, 0); },
        [](Surface& s) { s.blit(0, 0, 5, 5, *createSurface(0, 0), 0, 0); },
        [](Surface& s) { s.drawEllipse(kFar, 5, INT32_MAX, 20, 0, kRed, kRed); },
        [](Surface& s) { s.drawEllipse(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 1, kBlack, kGreen); },
        [](Surface& s) { s.drawText(10, 10, nullptr); s.drawText(10, 10, ""); s.drawText(-kFar, 10, "Clear"); },
        [](Surface& s) { s.drawText(kFar, 10, "Clear"); s.drawText(10, INT32_MIN, "Clear"); },
    };
    for (const auto& draw : drawings) {
        const auto s = createSurface(80, 40);
        s->clearDamage();
        for (int pen : {0, 1, 2, 4}) s->drawLine(7, 7, 7, 7, pen, kRed);
        EXPECT_TRUE(s->damage().empty());
        draw(*s);
        // GDI's bounds may be wider than its ink (a line's left-out end pixel, a wide pen's box).
        const Rect changed = inkOf(*s, kWhite, false).box;
        EXPECT_TRUE(kGdi ? contains(s->damage(), changed) : edges(changed) == edges(s->damage()))
            << testing::PrintToString(edges(changed)) << " in " << testing::PrintToString(edges(s->damage()));
        const auto empty = createSurface(0, 3);
        draw(*empty);
        EXPECT_TRUE(empty->damage().empty());
    }
}

// Pixels start white; a blit copies only what lies inside both surfaces; a resize keeps what fits and whitens the rest.
TEST(SurfaceTest, BlitAndResizeKeepWhatFitsBothSurfaces) {
    const struct { int x, y, width, height, sourceX, sourceY; } cases[] = {
        {1, 1, 4, 3, 2, 2}, {-2, -1, 5, 4, 0, 0}, {0, 0, 5, 4, -2, -3}, {7, 5, 10, 10, 0, 0}, {0, 0, 10, 10, 5, 4},
        {2, 2, -3, 4, 0, 0}, {0, 0, 10, 7, INT32_MAX, 0}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0},
        {0, 0, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN},
    };
    const auto source = patterned(8, 6);
    EXPECT_EQ(source->row(1)[2] & 0xFFFFFFu, 0x281401u);  // rgb(40, 20, 1) as 0x00RRGGBB for the display
    for (auto [x, y] : {std::pair{-1, 0}, {8, 0}, {0, -1}, {0, 6}}) EXPECT_EQ(source->pixel(x, y), 0u);  // outside
    for (const auto& c : cases) {
        const auto target = createSurface(10, 7);
        target->blit(c.x, c.y, c.width, c.height, *source, c.sourceX, c.sourceY);
        for (std::int64_t y = 0; y < 7; ++y)
            for (std::int64_t x = 0; x < 10; ++x) {
                const std::int64_t u = x - c.x, v = y - c.y, fromX = c.sourceX + u, fromY = c.sourceY + v;
                const bool copied = u >= 0 && u < c.width && v >= 0 && v < c.height && fromX >= 0 && fromX < 8 &&
                                    fromY >= 0 && fromY < 6;
                ASSERT_EQ(target->pixel(int(x), int(y)), copied ? source->pixel(int(fromX), int(fromY)) : kWhite)
                    << c.x << "," << c.y << " at " << x << "," << y;
            }
    }
    for (auto [width, height] : {std::pair{10, 3}, {3, 8}, {8, 6}, {0, 0}, {-3, 5}, {9, 9}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        const auto s = patterned(8, 6);
        s->resize(width, height);
        ASSERT_EQ(s->width(), std::max(width, 0));
        EXPECT_EQ(edges(s->damage()), edges(inkOf(*s, 0, false).box));  // all of it: no pixel is 0
        for (int y = 0; y < s->height(); ++y)
            for (int x = 0; x < s->width(); ++x)
                EXPECT_EQ(s->pixel(x, y), x < 8 && y < 6 ? source->pixel(x, y) : kWhite) << x << "," << y;
    }
}

}  // namespace
