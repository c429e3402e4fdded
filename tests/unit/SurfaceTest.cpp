#include "Surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

namespace {

// On Windows the surface is GDI's: the same table holds for it, but for the few rules where
// its pixels legitimately differ (tests/windows/GdiRasterTest.cpp compares the two).
#ifdef _WIN32
constexpr bool kGdi = true;
#else
constexpr bool kGdi = false;
#endif

constexpr Colour kWhite = rgb(255, 255, 255), kBlack = rgb(0, 0, 0), kRed = rgb(255, 0, 0), kGreen = rgb(0, 255, 0);
constexpr int kFar = 2000000000;

std::tuple<int, int, int, int> edges(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

struct Ink {  // where a colour is, and how much of it
    Rect box;
    int count = 0;
};

Ink inkOf(const Surface& s, Colour colour) {
    Ink ink;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) == colour) {
                ink.box.unite({x, y, x + 1, y + 1});
                ++ink.count;
            }
    return ink;
}

std::vector<Colour> pixelsOf(const Surface& s) {
    std::vector<Colour> pixels;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) pixels.push_back(s.pixel(x, y));
    return pixels;
}

void paintPattern(Surface& s) {  // neither white nor 0 anywhere
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) s.fillRect(x, y, x + 1, y + 1, rgb(x * 20, y * 20, 1));
}

TEST(SurfaceTest, StartsWhiteAndPacksColoursLikeRgb) {
    Surface s(4, 3);
    EXPECT_EQ(inkOf(s, kWhite).count, 12);
    s.fillRect(0, 0, 1, 1, rgb(256, 300, 0));
    s.fillRect(1, 0, 2, 1, rgb(1, 2, 3));
    EXPECT_EQ(s.pixel(0, 0), rgb(0, 44, 0));
    EXPECT_EQ(s.row(0)[1] & 0xFFFFFFu, 0x010203u);  // 0x00RRGGBB for the display
    EXPECT_EQ(s.pixel(1, 0), rgb(1, 2, 3));
    for (auto [x, y] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 3}}) EXPECT_EQ(s.pixel(x, y), 0u);
}

TEST(SurfaceTest, FillRectLeavesTheRightColumnAndBottomRow) {
    const struct { int left, top, right, bottom; Rect box; int count; } cases[] = {
        {2, 3, 5, 7, {2, 3, 5, 7}, 12}, {5, 3, 2, 7, {}, 0}, {2, 3, 2, 7, {}, 0}, {-5, -5, 3, 3, {0, 0, 3, 3}, 9},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, {0, 0, 10, 8}, 80},
    };
    for (const auto& c : cases) {
        Surface s(10, 8);
        s.fillRect(c.left, c.top, c.right, c.bottom, kRed);
        EXPECT_EQ(edges(inkOf(s, kRed).box), edges(c.box)) << c.left << "," << c.top;
        EXPECT_EQ(inkOf(s, kRed).count, c.count) << c.left << "," << c.top;
    }
}

TEST(SurfaceTest, ThinLinesLeaveOutTheEndPixelAtPenWidthZeroAndOne) {
    const struct { int x1, y1, x2, y2; Rect box; int count; } cases[] = {
        {2, 5, 8, 5, {2, 5, 8, 6}, 6}, {8, 5, 2, 5, {3, 5, 9, 6}, 6}, {4, 1, 4, 9, {4, 1, 5, 9}, 8},
        {0, 0, 5, 5, {0, 0, 5, 5}, 5}, {1, 1, 3, 9, {1, 1, 4, 9}, 8}, {3, 3, 3, 3, {}, 0},
    };
    for (const auto& c : cases)
        for (int pen : {0, 1}) {
            SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << "->" << c.x2 << "," << c.y2 << " pen " << pen);
            Surface s(12, 12);
            s.drawLine(c.x1, c.y1, c.x2, c.y2, pen, kBlack);
            EXPECT_EQ(edges(inkOf(s, kBlack).box), edges(c.box));
            EXPECT_EQ(inkOf(s, kBlack).count, c.count);
        }
}

// A line cut by the surface edge keeps the pixels it has on a surface that holds it whole.
TEST(SurfaceTest, ClippedLinesKeepTheirPixels) {
    const struct { int x1, y1, x2, y2; } lines[] = {
        {0, 3, 70, 38}, {70, 38, 0, 3}, {3, 0, 38, 70}, {38, 70, 3, 0}, {90, 5, 10, 45}, {5, 90, 45, 10},
    };
    const int offset = 30;  // of the small surface on the big one
    for (const auto& l : lines)
        for (int pen : {1, 3}) {
            SCOPED_TRACE(testing::Message() << l.x1 << "," << l.y1 << "->" << l.x2 << "," << l.y2 << " pen " << pen);
            Surface big(100, 100), small(40, 40);
            big.drawLine(l.x1, l.y1, l.x2, l.y2, pen, kBlack);
            small.drawLine(l.x1 - offset, l.y1 - offset, l.x2 - offset, l.y2 - offset, pen, kBlack);
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) ASSERT_EQ(small.pixel(x, y), big.pixel(x + offset, y + offset));
        }
}

// Strokes run through pixel centres; an even width puts its extra row above (and its
// extra column left), so a width-4 line along y = 25 covers rows 23..26.
TEST(SurfaceTest, WideLinesCoverTheirWidthWithRoundEnds) {
    const struct { int pen, firstRow, lastRow, firstColumn, lastColumn; } cases[] = {
        {2, 24, 25, 9, 40}, {3, 24, 26, 9, 41}, {4, 23, 26, 8, 41},
    };
    for (const auto& c : cases) {
        Surface across(50, 50), down(50, 50);
        across.drawLine(10, 25, 40, 25, c.pen, kBlack);
        down.drawLine(25, 10, 25, 40, c.pen, kBlack);
        for (int i = 0; i < 50; ++i) {
            EXPECT_EQ(across.pixel(25, i) == kBlack, i >= c.firstRow && i <= c.lastRow) << c.pen << " row " << i;
            EXPECT_EQ(across.pixel(i, 25) == kBlack, i >= c.firstColumn && i <= c.lastColumn) << c.pen << " x " << i;
            EXPECT_EQ(down.pixel(i, 25), across.pixel(25, i)) << c.pen << " column " << i;
        }
    }
    Surface diagonal(50, 50);
    diagonal.drawLine(10, 10, 40, 40, 3, kBlack);
    const std::vector<Colour> pixels = pixelsOf(diagonal);
    for (int y = 15; y < 35; ++y) {
        const auto run = std::count(pixels.begin() + y * 50, pixels.begin() + (y + 1) * 50, kBlack);
        // 3 * sqrt(2) across a row; GDI's wide strokes run a pixel wider.
        EXPECT_TRUE(run == 4 || run == 5 || (kGdi && run == 6)) << "row " << y << ": " << run;
    }
}

TEST(SurfaceTest, FarAwayLinesDrawLikeTheirVisibleStretch) {
    const struct { int x1, y1, x2, y2, nearX1, nearY1, nearX2, nearY2; } cases[] = {
        {-kFar, 25, kFar, 25, -10, 25, 100, 25},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, -10, -10, 100, 100},
        {INT32_MAX, INT32_MIN + 40, INT32_MIN + 40, INT32_MAX, 100, -61, -61, 100},  // x + y = 39
        {-kFar, -5, kFar, -5, 0, 0, 0, 0},                                            // above
        {-kFar, -kFar, -kFar + 9, kFar, 0, 0, 0, 0},                                  // far left
    };
    // Beyond GDI's reach our rasteriser draws, whose wide strokes differ a little from GDI's.
    const std::vector<int> pens = kGdi ? std::vector<int>{1} : std::vector<int>{1, 2, 4};
    for (const auto& c : cases)
        for (int pen : pens) {
            SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " pen " << pen);
            Surface farSurface(60, 40), nearSurface(60, 40);
            farSurface.drawLine(c.x1, c.y1, c.x2, c.y2, pen, kBlack);
            nearSurface.drawLine(c.nearX1, c.nearY1, c.nearX2, c.nearY2, pen, kBlack);
            EXPECT_EQ(pixelsOf(farSurface), pixelsOf(nearSurface));
        }
}

TEST(SurfaceTest, DiscsAreRoundAndMirrorSymmetricInsideTheirBox) {
    const int cx = 20, cy = 20;
    for (int radius : {2, 6}) {
        Surface s(40, 40);
        s.drawEllipse(cx - radius, cy - radius, cx + radius, cy + radius, 0, kRed, kRed);
        const Ink ink = inkOf(s, kRed);
        EXPECT_EQ(edges(ink.box), edges(Rect{cx - radius, cy - radius, cx + radius, cy + radius}));
        EXPECT_NEAR(ink.count, M_PI * radius * radius, 2 * radius);
        EXPECT_NE(s.pixel(cx - radius, cy - radius), kRed);  // a corner of the box
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                EXPECT_EQ(s.pixel(x, y), s.pixel(2 * cx - 1 - x, y)) << x << "," << y;
                EXPECT_EQ(s.pixel(x, y), s.pixel(x, 2 * cy - 1 - y)) << x << "," << y;
            }
    }
}

TEST(SurfaceTest, EllipseOutlineClosesAroundTheFill) {
    for (int pen : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "pen " << pen);
        Surface s(40, 40);
        s.drawEllipse(14, 14, 26, 26, pen, kBlack, kGreen);
        EXPECT_EQ(s.pixel(14, 20), kBlack);
        EXPECT_EQ(s.pixel(15, 20), kGreen);
        EXPECT_EQ(edges(inkOf(s, kBlack).box), edges(Rect{14, 14, 26, 26}));
        for (int y = 1; y < 39; ++y)
            for (int x = 1; x < 39; ++x)
                for (auto [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}})
                    EXPECT_FALSE(s.pixel(x, y) == kGreen && s.pixel(nx, ny) == kWhite) << x << "," << y;
    }
}

TEST(SurfaceTest, TextIsCrispBlackBelowRightOfItsCornerAndFitsATab) {
    if (kGdi) GTEST_SKIP() << "Windows draws text in its own default font, antialiased";
    for (const char* label : {"Curve Res:", "Clear", "DeBoor Splines"}) {
        SCOPED_TRACE(label);
        Surface s(200, 40);
        s.clearDamage();
        s.drawText(10, 12, label);
        const Ink ink = inkOf(s, kBlack);
        EXPECT_EQ(ink.count + inkOf(s, kWhite).count, 200 * 40);  // nothing antialiased
        EXPECT_GE(ink.box.left, 10);
        EXPECT_GE(ink.box.top, 12);
        EXPECT_LE(ink.box.bottom, 12 + 15);
        EXPECT_LE(ink.box.right, 10 + 105);
        EXPECT_GE(ink.box.bottom - ink.box.top, 9);  // big enough to read
        Rect both = s.damage();
        both.unite(ink.box);
        EXPECT_EQ(edges(both), edges(s.damage()));
    }
}

TEST(SurfaceTest, BlitClipsOnBothSurfaces) {
    const struct { int x, y, width, height, sourceX, sourceY; } cases[] = {
        {1, 1, 4, 3, 2, 2}, {-2, -1, 5, 4, 0, 0}, {0, 0, 5, 4, -2, -3}, {7, 5, 10, 10, 0, 0}, {0, 0, 10, 10, 5, 4},
        {2, 2, -3, 4, 0, 0}, {0, 0, 10, 7, INT32_MAX, 0}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0},
        {0, 0, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN},
    };
    Surface source(8, 6);
    paintPattern(source);
    for (const auto& c : cases) {
        Surface target(10, 7);
        target.blit(c.x, c.y, c.width, c.height, source, c.sourceX, c.sourceY);
        for (std::int64_t y = 0; y < 7; ++y)
            for (std::int64_t x = 0; x < 10; ++x) {
                const std::int64_t u = x - c.x, v = y - c.y, fromX = c.sourceX + u, fromY = c.sourceY + v;
                const bool copied = u >= 0 && u < c.width && v >= 0 && v < c.height && fromX >= 0 && fromX < 8 &&
                                    fromY >= 0 && fromY < 6;
                ASSERT_EQ(target.pixel(int(x), int(y)), copied ? source.pixel(int(fromX), int(fromY)) : kWhite)
                    << c.x << "," << c.y << " at " << x << "," << y;
            }
    }
}

// Also: a union starts from the empty rect, far-away figures change nothing, and a
// surface without pixels ignores everything.
TEST(SurfaceTest, DamageIsExactlyWhatChanged) {
    Surface pattern(30, 20);
    paintPattern(pattern);
    const std::function<void(Surface&)> drawings[] = {
        [](Surface& s) { s.fillRect(-5, 3, 9, 7, kRed); },
        [](Surface& s) { s.drawLine(70, 5, 20, 30, 1, kRed); },
        [](Surface& s) { s.drawLine(5, 5, 30, 12, 3, kRed); },
        [](Surface& s) { s.drawEllipse(70, 30, 90, 50, 1, kBlack, kGreen); },
        [&](Surface& s) { s.blit(60, 25, 40, 40, pattern, 0, 0); },
        [](Surface& s) { s.blit(0, 0, 5, 5, Surface(0, 0), 0, 0); },
        [](Surface& s) { s.drawLine(-kFar, 17, kFar, 17, 2, kRed); },
        [](Surface& s) { s.drawEllipse(kFar, 5, INT32_MAX, 20, 0, kRed, kRed); },
        [](Surface& s) { s.drawEllipse(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 1, kBlack, kGreen); },
        [](Surface& s) {
            for (auto [x, y, text] : {std::tuple<int, int, const char*>{10, 10, nullptr}, {10, 10, ""},
                                      {-kFar, 10, "Clear"}, {kFar, 10, "Clear"}, {10, INT32_MIN, "Clear"}})
                s.drawText(x, y, text);
        },
    };
    for (const auto& draw : drawings) {
        Surface s(80, 40);
        EXPECT_EQ(edges(s.damage()), edges(Rect{0, 0, 80, 40}));  // new: all of it
        s.clearDamage();
        for (int pen : {0, 1, 2, 4}) s.drawLine(7, 7, 7, 7, pen, kRed);
        EXPECT_TRUE(s.damage().empty());
        draw(s);
        Rect changed;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 80; ++x)
                if (s.pixel(x, y) != kWhite) changed.unite({x, y, x + 1, y + 1});
        Rect covered = changed;
        covered.unite(s.damage());
        // GDI's bounds may be wider than its ink (a line's left-out end pixel, a wide pen's box).
        EXPECT_EQ(edges(kGdi ? covered : changed), edges(s.damage()));
        Surface empty(0, 3);
        draw(empty);
        EXPECT_TRUE(empty.damage().empty());
    }
}

TEST(SurfaceTest, ResizeKeepsTheOverlapAndWhitensTheRest) {
    for (auto [width, height] : {std::pair{8, 3}, {3, 8}, {6, 4}, {0, 0}, {-3, 5}, {9, 9}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        Surface s(6, 4);
        paintPattern(s);
        const std::vector<Colour> before = pixelsOf(s);
        s.resize(width, height);
        ASSERT_EQ(s.width(), std::max(width, 0));
        Rect all;
        all.unite({0, 0, s.width(), s.height()});
        EXPECT_EQ(edges(s.damage()), edges(all));
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                EXPECT_EQ(s.pixel(x, y), x < 6 && y < 4 ? before[y * 6 + x] : kWhite) << x << "," << y;
    }
}

}  // namespace
