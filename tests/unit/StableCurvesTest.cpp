// The stable curve forms against exact and long-double references, and their literal forms where those were right.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <random>

#include "BernsteinSum.h"
#include "Casteljau.h"
#include "CasteljauLanes.h"
#include "LiteralCurves.h"
#include "NewtonInterpolator.h"
#include "Subdivider.h"

namespace {

using boost::multiprecision::cpp_int;

// At whole pixels, as control points are.
struct Polygon {
    Polygon& add(std::int32_t x, std::int32_t y) { return points.push_back({float(x), float(y)}), *this; }
    std::vector<Vec2> points;
    bool simple = false;  // one spot, a line, two points, one point
};

// Random points in the drawing panel (570 x 450); then one spot, a line, two points, one point.
std::vector<Polygon> polygons(std::initializer_list<std::size_t> counts) {
    std::vector<Polygon> all(counts.size() + 4);
    std::mt19937 random(7);
    for (std::size_t i = 0; i < counts.size(); ++i)
        while (all[i].points.size() < counts.begin()[i]) all[i].add(random() % 571, random() % 451);
    for (std::int32_t i = 0; i < 40; ++i) all[counts.size()].add(300, 200), all[counts.size() + 1].add(10 + 13 * i, 400 - 9 * i);
    all[counts.size() + 2].add(30, 40).add(500, 420), all.back().add(70, 80);
    for (std::size_t i = counts.size(); i < all.size(); ++i) all[i].simple = true;
    return all;
}

// The polynomial through (k, values[k]) at t = m / 2^E, exactly: Newton's forward form over the
// integer differences by Horner's rule on a fraction a / b, rounded to a double at the end.
struct ExactPolynomial {
    ExactPolynomial(const Polygon& polygon, float Vec2::*axis) {
        std::vector<cpp_int> level;
        for (const Vec2& p : polygon.points) level.push_back(static_cast<std::int32_t>(p.*axis));
        for (; !level.empty(); level.pop_back()) {
            differences.push_back(level[0]);
            for (std::size_t j = 0; j + 1 < level.size(); ++j) level[j] = level[j + 1] - level[j];
        }
    }
    double at(double t) const {
        int e = 0, E = 0;
        cpp_int m = static_cast<std::int64_t>(std::ldexp(std::frexp(t, &e), 53));
        for (E = 53 - e; E > 0 && m != 0 && !bit_test(m, 0); --E) m >>= 1;  // small numbers for short fractions
        cpp_int a = differences.back(), b = 1;
        for (std::size_t k = differences.size() - 1; k-- > 0;) {  // a / b = d_k + a / b (t - k) / (k + 1)
            const cpp_int step = cpp_int(k + 1) << E;
            a = differences[k] * b * step + a * (m - (cpp_int(k) << E));
            b *= step;
        }
        const long shift = static_cast<long>(msb(b)) - (a == 0 ? 0 : static_cast<long>(msb(abs(a)))) + 64;
        return std::ldexp(static_cast<double>(shift >= 0 ? cpp_int((a << shift) / b) : cpp_int(a / (b << -shift))), -shift);
    }
    std::vector<cpp_int> differences;
};

// Every curve point whose exact value lies in the panel within half a pixel, and within 1e-4 px of
// the literal sums where those were right (up to 20 points and the simple polygons). The exact
// sums cost about n^2 a point: a few intervals of the largest polygons.
TEST(StableCurvesTest, PolynomialFollowsExactArithmeticWhereItCrossesThePanel) {
    for (const Polygon& polygon : polygons({10, 20, 30, 40, 60, 100, 200, 500, 1000})) {
        const std::size_t n = polygon.points.size();
        SCOPED_TRACE(testing::Message() << n << (polygon.simple ? " simple" : " random") << " points");
        NewtonInterpolator interpolator;
        for (const Vec2& p : polygon.points) interpolator.addPoint(std::int32_t(p.x), std::int32_t(p.y));
        interpolator.prepare();
        const ExactPolynomial exactX(polygon, &Vec2::x), exactY(polygon, &Vec2::y);
        const std::vector<double> literalX = literalNewtonCoefficients(polygon.points, &Vec2::x);
        const std::vector<double> literalY = literalNewtonCoefficients(polygon.points, &Vec2::y);
        std::size_t samples = 0, inside = 0;
        for (std::size_t i = 0; i + 1 < n; i += std::max<std::size_t>(1, n / (n < 500 ? 30 : 8))) {
            interpolator.centreOn(static_cast<std::int32_t>(i));
            for (double t = i; t <= i + 1; t += 0.125, ++samples) {
                const NewtonInterpolator::Pair p = interpolator.evaluate(t);
                const double x = exactX.at(t), y = exactY.at(t);
                if (x >= 0 && x <= 570 && y >= 0 && y <= 450) {  // the drawing panel
                    EXPECT_LE(std::hypot(p.x - x, p.y - y), 0.5) << t;
                    ++inside;
                }
                if (n <= 20 || polygon.simple) {
                    EXPECT_LE(std::hypot(p.x - literalNewton(literalX, t), p.y - literalNewton(literalY, t)), 1e-4) << t;
                }
            }
        }
        EXPECT_GE(inside, samples / 5);
    }
}

// Within half a pixel of de Casteljau everywhere, within 0.05 px of the literal weights up to 200
// points; de Casteljau costs n^2 a point: the middle alone from 5000 points on. The run passes 1.
TEST(StableCurvesTest, BernsteinSumFollowsDeCasteljauAtAnyDegree) {
    for (const Polygon& polygon : polygons({10, 100, 200, 260, 300, 1000, 5000, 10000})) {
        const std::size_t n = polygon.points.size();
        SCOPED_TRACE(testing::Message() << n << (polygon.simple ? " simple" : " random") << " points");
        const std::vector<double> row = pascalRow(std::min<std::size_t>(n, 200) - 1);
        BernsteinSum sum;
        const int parameters = n <= 1000 ? 20 : 1;
        for (int k = 1; k <= parameters + (n <= 1000); ++k) {
            const float t = k <= parameters ? (k - 0.5f) / parameters : 1.00005f;
            const Vec2 point = sum.at(polygon.points, t), exact = casteljau(polygon.points, t);
            EXPECT_LE(std::hypot(point.x - exact.x, point.y - exact.y), 0.5) << t;
            if (n > 200) continue;
            const Vec2 literal = literalBernstein(polygon.points, row, t);
            EXPECT_LE(std::hypot(point.x - literal.x, point.y - literal.y), 0.05) << t;
        }
    }
}

TEST(StableCurvesTest, LanesGiveTheSingleParameterConstructionBitForBit) {
    std::mt19937 random(11);
    for (std::size_t count : {1u, 2u, 3u, 9u, 64u}) {
        std::vector<Vec2> polygon;
        while (polygon.size() < count) polygon.push_back({float(random() % 571), float(random() % 451)});
        float parameters[CasteljauLanes::LANES];
        for (float& t : parameters) t = std::uniform_real_distribution<float>(0.0f, 1.0001f)(random);
        Vec2 points[CasteljauLanes::LANES];
        CasteljauLanes().run(polygon, parameters, points);
        for (std::size_t lane = 0; lane < CasteljauLanes::LANES; ++lane) {
            const Vec2 single = literalCasteljau(polygon, parameters[lane]);
            EXPECT_TRUE(points[lane].x == single.x && points[lane].y == single.y) << count << " points, lane " << lane;
        }
    }
}

// The subdivision as written: split at one half by the lerp step, left half before right, depth first.
void literalSubdivision(const std::vector<Vec2>& polygon, std::int32_t depth, std::vector<std::vector<Vec2>>& leaves) {
    if (depth == 0) return leaves.push_back(polygon);
    std::vector<Vec2> work = polygon, left{work.front()}, right{work.back()};
    for (std::size_t k = work.size() - 1; k >= 1; --k) {
        for (std::size_t j = 0; j < k; ++j) work[j].lerp(work[j + 1], 0.5f);
        left.push_back(work[0]), right.push_back(work[k - 1]);
    }
    literalSubdivision(left, depth - 1, leaves);
    literalSubdivision(right, depth - 1, leaves);
}

// Every polygon of the last level, bit for bit and in drawing order.
TEST(SubdividerTest, GivesTheLiteralSubdivisionBitForBitInOrder) {
    std::mt19937 random(5);
    for (const std::size_t n : {1u, 2u, 3u, 4u, 7u, 9u, 16u, 33u})
        for (const std::int32_t depth : {0, 1, 2, 3, 4, 7, 10}) {
            SCOPED_TRACE(testing::Message() << "n " << n << " depth " << depth);
            std::vector<Vec2> polygon;
            while (polygon.size() < n) polygon.push_back({float(random() % 571), float(random() % 451)});
            std::vector<std::vector<Vec2>> leaves, expected;
            Subdivider(n, depth).run(polygon.data(), [&](const Vec2* q, std::size_t m) { leaves.emplace_back(q, q + m); });
            literalSubdivision(polygon, depth, expected);
            ASSERT_EQ(leaves.size(), expected.size());
            for (std::size_t i = 0; i < leaves.size(); ++i)
                for (std::size_t j = 0; j < n; ++j)
                    ASSERT_TRUE(leaves[i][j].x == expected[i][j].x && leaves[i][j].y == expected[i][j].y)
                        << "polygon " << i << ", point " << j;
        }
}

}  // namespace
