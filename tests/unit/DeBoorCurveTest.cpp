#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <vector>

#include "DeBoorCurve.h"
#include "DeBoorRecursion.h"

namespace {

DeBoorCurve curveOf(const std::vector<Vec2>& points, std::int32_t degree, const std::vector<float>& knots) {
    DeBoorCurve curve;
    curve.setDegree(degree);
    for (const Vec2& p : points) curve.addPoint(p.x, p.y);
    for (float k : knots) curve.addKnot(k);
    return curve;
}

void expectNear(const Vec2& actual, double x, double y) {
    EXPECT_NEAR(actual.x, x, 1e-3);
    EXPECT_NEAR(actual.y, y, 1e-3);
}

const std::vector<Vec2> four{{100, 400}, {200, 100}, {400, 100}, {500, 430}};

TEST(DeBoorCurveTest, CompletedUniformKnotsGiveTheUniformCubicSegment) {
    DeBoorCurve curve = curveOf(four, 3, {});
    curve.completeKnots();
    ASSERT_EQ(curve.knots().count(), 7);
    EXPECT_EQ(curve.knots().last(), 6.0f);
    // (p0 + 4 p1 + p2) / 6, (p0 + 23 p1 + 23 p2 + p3) / 48 and (p1 + 4 p2 + p3) / 6.
    expectNear(curve.evaluate(0.0f), 1300.0 / 6, 900.0 / 6);
    expectNear(curve.evaluate(0.5f), 14400.0 / 48, 5430.0 / 48);
    expectNear(curve.evaluate(1.0f), 2300.0 / 6, 930.0 / 6);
}

TEST(DeBoorCurveTest, ClampedKnotsEndExactlyAtTheEndPoints) {
    const std::vector<Vec2> five{{10, 20}, {30, 400}, {250, 5}, {400, 300}, {560, 440}};
    DeBoorCurve curve = curveOf(five, 3, {0, 0, 0, 0, 1, 2, 2, 2, 2});
    for (const auto& [u, end] : {std::pair{0.0f, five[0]}, std::pair{1.0f, five[4]}}) {
        const Vec2 p = curve.evaluate(u);
        EXPECT_EQ(p.x, end.x);
        EXPECT_EQ(p.y, end.y);
    }
}

TEST(DeBoorCurveTest, SharedLevelsEqualThePlainRecursionBitForBit) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(0.0f, 560.0f), gap(0.0f, 3.0f);
    for (std::int32_t d = 1; d <= 7; ++d) {
        std::vector<Vec2> points(static_cast<std::size_t>(d) + 4);
        for (Vec2& p : points) p = {coordinate(random), coordinate(random)};
        std::vector<float> knots{-1.5f};
        while (knots.size() < points.size() + static_cast<std::size_t>(d))
            knots.push_back(knots.back() + (knots.size() % 3 == 0 ? 0.0f : gap(random)));  // some repeated
        DeBoorCurve curve = curveOf(points, d, knots);
        for (float u = 0.0f; u <= 1.0f; u += 0.0625f) {
            const std::int32_t span = curve.findSpan(u).value();
            const float x = curve.mapParameter(u);
            const Vec2 shared = curve.deBoor(x, span), plain = deBoorRecursion(curve, points, x, span, d);
            EXPECT_EQ(shared.x, plain.x) << "degree " << d << " u " << u;
            EXPECT_EQ(shared.y, plain.y) << "degree " << d << " u " << u;
        }
    }
}

TEST(DeBoorCurveTest, ShortOrDecreasingKnotsOrTooFewPointsGiveNothing) {
    const struct {
        std::int32_t degree;
        std::vector<float> knots;
    } cases[] = {
        {3, {0, 1, 2, 3, 4, 5}},       // P + d - 1 knots
        {3, {0, 1, 2, 3, 2, 5, 6}},    // decreasing
        {3, {4, 4, 4, 4, 4, 4, 4}},    // the whole domain at one value
        {INT_MAX, {0, 1, 2, 3, 4, 5, 6}},
    };
    for (const auto& c : cases) {
        DeBoorCurve curve = curveOf(four, c.degree, c.knots);
        EXPECT_FALSE(curve.canEvaluate());
        EXPECT_FALSE(curve.findSpan(0.5f).has_value());
        const Vec2 p = curve.evaluate(0.5f);
        EXPECT_EQ(p.x, 0.0f);
        EXPECT_EQ(p.y, 0.0f);
    }
}

TEST(DeBoorCurveTest, EmptySpansAndRoundingPastTheDomainStillGiveTheCurve) {
    // Knot 0 five times: span 3 at the domain start is empty, the curve starts in span 4.
    DeBoorCurve start = curveOf({{0, 0}, {100, 0}, {200, 50}, {300, 0}, {400, 80}, {500, 10}}, 3,
                                {0, 0, 0, 0, 0, 1, 2, 3, 4});
    EXPECT_EQ(start.findSpan(0.0f), 4);
    const Vec2 first = start.evaluate(0.0f), limit = start.deBoor(0.0f, 4);
    EXPECT_EQ(first.x, limit.x);
    EXPECT_EQ(first.y, limit.y);

    // (max - min) + min rounds past max here; the end is still the domain's last point.
    const float min = -0x1.70ce6p+8f, max = 0x1.06661cp-10f;
    DeBoorCurve end = curveOf({{0, 0}, {100, 300}, {200, 50}}, 2, {-500, -400, min, max, 1});
    EXPECT_EQ(end.mapParameter(1.0f), max);
    const Vec2 last = end.evaluate(1.0f), expected = end.deBoor(max, 2);
    EXPECT_EQ(last.x, expected.x);
    EXPECT_EQ(last.y, expected.y);
}

TEST(DeBoorCurveTest, CompletionStopsAtPPlusDKnotsWhateverTheDegree) {
    DeBoorCurve huge = curveOf(four, INT_MAX, {});
    huge.completeKnots();
    EXPECT_EQ(huge.knots().count(), 0);

    std::vector<Vec2> hundred(100);
    for (std::size_t i = 0; i < hundred.size(); ++i) hundred[i] = {float(5 * i), float(i % 2 * 400)};
    DeBoorCurve high = curveOf(hundred, 99, {2, 3});
    high.completeKnots();
    EXPECT_EQ(high.knots().count(), 199);
    EXPECT_EQ(high.knots().last(), 200.0f);
    const Vec2 middle = high.evaluate(0.5f);
    EXPECT_TRUE(middle.x > 0 && middle.x < 495 && middle.y > 0 && middle.y < 400);
}

}  // namespace
