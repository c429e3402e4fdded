// The B-spline's curve and the texts that set its knots and degree.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "DeBoorCurve.h"
#include "KnotText.h"
#include "LiteralCurves.h"

namespace {

DeBoorCurve curveOf(const std::vector<Vec2>& points, std::int32_t degree, const std::vector<float>& knots) {
    DeBoorCurve curve;
    curve.setDegree(degree);
    for (const Vec2& p : points) curve.addPoint(p.x, p.y);
    for (float k : knots) curve.addKnot(k);
    return curve;
}

std::pair<float, float> xy(const Vec2& p) { return {p.x, p.y}; }

TEST(DeBoorCurveTest, SharedLevelsEqualThePlainRecursionBitForBit) {
    for (std::int32_t d = 1; d <= 7; ++d) {
        std::vector<Vec2> points;
        std::vector<float> knots;
        for (std::int32_t k = 0; k < d + 4; ++k) points.push_back({k * 97 % 560 + 0.3f, k * k * 31 % 530 - 0.7f});
        for (std::int32_t k = 0; k < 2 * d + 4; ++k) knots.push_back(-1.5f + 0.7f * (k - k / 3));  // some repeated
        DeBoorCurve curve = curveOf(points, d, knots);
        for (float u = 0.0f; u <= 1.0f; u += 0.0625f) {
            const float x = curve.mapParameter(u);
            const std::int32_t span = curve.findSpan(u).value();
            EXPECT_EQ(xy(curve.deBoor(x, span)), xy(deBoorRecursion(curve, points, x, span, d))) << d << " at " << u;
        }
    }
}

// Bad domains and huge degrees give nothing; empty spans and rounding past the domain still give the curve.
TEST(DeBoorCurveTest, OnlyAUsableDomainGivesTheCurve) {
    const std::pair<std::int32_t, std::vector<float>> cases[] = {
        {3, {0, 1, 2, 3, 4, 5}}, {3, {0, 1, 2, 3, 2, 5, 6}}, {3, {4, 4, 4, 4, 4, 4, 4}}, {INT32_MAX, {}},
    };
    for (const auto& [degree, knots] : cases) {
        DeBoorCurve curve = curveOf({{100, 400}, {200, 100}, {400, 100}, {500, 430}}, degree, knots);
        if (knots.empty()) curve.completeKnots();
        EXPECT_EQ(curve.knots().count(), std::int32_t(knots.size()));
        EXPECT_FALSE(curve.findSpan(0.5f).has_value());
        EXPECT_EQ(xy(curve.evaluate(0.5f)), xy({0, 0}));
    }
    // Knot 0 five times: span 3 at the domain start is empty, the curve starts in span 4.
    DeBoorCurve start = curveOf({{0, 0}, {100, 0}, {200, 50}, {300, 0}, {400, 80}, {500, 10}}, 3,
                                {0, 0, 0, 0, 0, 1, 2, 3, 4});
    EXPECT_EQ(start.findSpan(0.0f), 4);
    EXPECT_EQ(xy(start.evaluate(0.0f)), xy(start.deBoor(0.0f, 4)));
    // (max - min) + min rounds past max here.
    const float min = -0x1.70ce6p+8f, max = 0x1.06661cp-10f;
    DeBoorCurve end = curveOf({{0, 0}, {100, 300}, {200, 50}}, 2, {-500, -400, min, max, 1});
    EXPECT_EQ(xy(end.evaluate(1.0f)), xy(end.deBoor(max, 2)));
}

// Knot lists never decrease and a trailing zero is not taken; degrees below two become two.
TEST(KnotTextTest, KnotListsNeverDecreaseAndDegreesAreAtLeastTwo) {
    const std::pair<const char*, std::vector<float>> cases[] = {
        {"-1,,2  3", {-1, 2, 3}}, {"0\t1\r\n2, ", {0, 1, 2}}, {" ,\t\r\n", {}}, {"", {}}, {"0", {}}, {"-1, 0", {-1}},
        {"0, 0, 1", {0, 0, 1}}, {"0, 1, 5, 3, 4, 6", {0, 1, 5, 6}}, {"2.5x abc 3", {2.5f, 3}}, {"abc 1", {0, 1}},
        {"1e39, 5", {INFINITY}},
    };
    for (const auto& [text, expected] : cases) {
        DeBoorCurve curve;
        curve.addKnot(99.0f);  // every edit replaces the whole list
        readKnots(curve, text);
        std::vector<float> knots;
        for (std::int32_t j = 0; j < curve.knots().count(); ++j) knots.push_back(curve.knots()[j]);
        EXPECT_EQ(knots, expected) << "text \"" << text << "\"";
    }
    for (auto [text, degree] : {std::pair<const char*, std::int32_t>{"", 2}, {"-4", 2}, {"1", 2}, {"7", 7}, {"12x", 12},
                                {"99999999999999999999", INT32_MAX}, {"-99999999999999999999", 2}}) {
        DeBoorCurve curve;
        readDegree(curve, text);
        EXPECT_EQ(curve.degree(), degree) << "text \"" << text << "\"";
    }
}

}  // namespace
