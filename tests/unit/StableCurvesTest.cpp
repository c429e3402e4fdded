// Polynomial's and BB-Form's stable forms against exact and long-double references and against
// their literal forms where those were right; NLI's lanes against one parameter at a time.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <memory>
#include <random>

#include "BernsteinSum.h"
#include "CasteljauLanes.h"
#include "LiteralCurves.h"
#include "NewtonInterpolator.h"

namespace {

using boost::multiprecision::cpp_int;
constexpr double WIDTH = 570, HEIGHT = 450;  // the drawing panel

struct Polygon {
    void add(std::int32_t x, std::int32_t y) {
        owned.push_back(std::make_unique<ControlPoint>(x, y, 6));
        points.push_back(owned.back().get());
    }
    std::vector<double> coordinates(std::int32_t ControlPoint::*axis) const {
        std::vector<double> values;
        for (const ControlPoint* p : points) values.push_back(p->*axis);
        return values;
    }
    std::vector<std::unique_ptr<ControlPoint>> owned;
    std::vector<ControlPoint*> points;
};

Polygon randomPolygon(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    Polygon polygon;
    for (std::size_t i = 0; i < count; ++i) polygon.add(random() % 571, random() % 451);
    return polygon;
}

// The polynomial through (k, values[k]) at t = M / 2^E, exactly: Newton's forward form over the
// integer differences, by Horner's rule on a fraction a / b, rounded to a double at the end.
class ExactPolynomial {
public:
    explicit ExactPolynomial(const std::vector<double>& values) {
        for (std::vector<cpp_int> level(values.begin(), values.end()); !level.empty(); level.pop_back()) {
            differences.push_back(level[0]);
            for (std::size_t j = 0; j + 1 < level.size(); ++j) level[j] = level[j + 1] - level[j];
        }
    }
    double at(double t) const {
        int e = 0;
        cpp_int m = static_cast<std::int64_t>(std::ldexp(std::frexp(t, &e), 53));
        int E = 53 - e;
        for (; E > 0 && m != 0 && !bit_test(m, 0); --E) m >>= 1;  // small fractions, small integers
        cpp_int a = differences.back(), b = 1;
        for (std::size_t k = differences.size() - 1; k-- > 0;) {  // a / b = d_k + a / b (t - k) / (k + 1)
            const cpp_int step = cpp_int(k + 1) << E;
            a = differences[k] * b * step + a * (m - (cpp_int(k) << E));
            b *= step;
        }
        if (a == 0) return 0.0;
        const long shift = static_cast<long>(msb(b)) - static_cast<long>(msb(abs(a))) + 64;
        const cpp_int quotient = shift >= 0 ? cpp_int((a << shift) / b) : cpp_int(a / (b << -shift));
        return std::ldexp(static_cast<double>(quotient), -shift);
    }

private:
    std::vector<cpp_int> differences;
};

TEST(StableCurvesTest, PolynomialFollowsExactArithmeticWhereItCrossesThePanel) {
    for (auto [count, seed] : {std::pair{10u, 1u}, {20, 2}, {30, 3}, {40, 4}, {60, 5}, {100, 6}, {200, 7}, {500, 8}, {1000, 9}}) {
        SCOPED_TRACE(testing::Message() << count << " points");
        const Polygon polygon = randomPolygon(count, seed);
        const std::vector<double> xs = polygon.coordinates(&ControlPoint::x), ys = polygon.coordinates(&ControlPoint::y);
        NewtonInterpolator interpolator;
        for (const ControlPoint* p : polygon.points) interpolator.addPoint(p->x, p->y);
        interpolator.prepare();
        const std::vector<double> literalX = literalNewtonCoefficients(xs), literalY = literalNewtonCoefficients(ys);
        const ExactPolynomial exactX(xs), exactY(ys);
        std::size_t samples = 0, inside = 0;
        for (std::size_t i = 0; i + 1 < count; i += std::max(1u, count / (count < 500 ? 30 : 8))) {  // the exact sums cost ~n^2
            interpolator.centreOn(static_cast<std::int32_t>(i));
            for (int eighths = 0; eighths <= 8; ++eighths, ++samples) {
                const double t = i + eighths / 8.0;
                const NewtonInterpolator::Pair p = interpolator.evaluate(t);
                if (count <= 20) {
                    EXPECT_TRUE(std::abs(p.x - literalNewton(literalX, t)) < 1e-4 &&
                                std::abs(p.y - literalNewton(literalY, t)) < 1e-4) << t;
                }
                const double x = exactX.at(t), y = exactY.at(t);
                if (x < 0 || x > WIDTH || y < 0 || y > HEIGHT) continue;
                ++inside;
                EXPECT_LE(std::hypot(p.x - x, p.y - y), 0.5) << t;
            }
        }
        EXPECT_GE(inside, samples / 5);
    }
}

// de Casteljau's construction in long double.
std::pair<long double, long double> casteljau(const std::vector<ControlPoint*>& points, long double t) {
    std::vector<long double> x, y;
    for (const ControlPoint* p : points) x.push_back(p->x), y.push_back(p->y);
    for (std::size_t m = points.size(); m >= 2; --m)
        for (std::size_t k = 0; k + 1 < m; ++k) x[k] += (x[k + 1] - x[k]) * t, y[k] += (y[k + 1] - y[k]) * t;
    return {x[0], y[0]};
}

TEST(StableCurvesTest, BernsteinSumFollowsDeCasteljauAtAnyDegree) {
    for (auto [count, seed] : {std::pair{10u, 1u}, {100, 2}, {260, 3}, {300, 4}, {1000, 5}, {5000, 6}, {10000, 7}}) {
        SCOPED_TRACE(testing::Message() << count << " points");
        const Polygon polygon = randomPolygon(count, seed);
        const std::vector<double> row = pascalRow(std::min(count, 200u) - 1);
        BernsteinSum sum;
        // de Casteljau costs ~n^2 a point: the middle alone from 5000 points on. The run passes 1 a little.
        const int parameters = count <= 1000 ? 20 : 1;
        for (int k = 1; k <= parameters + (count <= 1000); ++k) {
            const float t = k <= parameters ? (k - 0.5f) / parameters : 1.00005f;
            const Vec2 point = sum.at(polygon.points, t);
            const auto [x, y] = casteljau(polygon.points, t);
            EXPECT_LE(std::hypot(point.x - x, point.y - y), 0.5) << t;
            if (count <= 200) {
                const Vec2 literal = literalBernstein(polygon.points, row, t);
                EXPECT_LE(std::hypot(point.x - literal.x, point.y - literal.y), 0.05) << t;
            }
        }
    }
}

// One spot, a line, two points, one point: the stable forms give the literal forms' curves.
TEST(StableCurvesTest, DegeneratePolygonsKeepTheirLiteralCurves) {
    Polygon spot, line, two, one;
    for (int i = 0; i < 40; ++i) spot.add(300, 200), line.add(10 + 13 * i, 400 - 9 * i);
    two.add(30, 40), two.add(500, 420), one.add(70, 80);
    for (const Polygon* polygon : {&spot, &line, &two, &one}) {
        const std::size_t n = polygon->points.size();
        const std::vector<double> row = pascalRow(n - 1);
        BernsteinSum sum;
        for (float t = 0.01f; t < 1.0001f; t += 0.01f) {
            const Vec2 stable = sum.at(polygon->points, t), literal = literalBernstein(polygon->points, row, t);
            EXPECT_LE(std::hypot(stable.x - literal.x, stable.y - literal.y), 0.05) << n << " points, t " << t;
        }
        NewtonInterpolator interpolator;
        for (const ControlPoint* p : polygon->points) interpolator.addPoint(p->x, p->y);
        interpolator.prepare();
        const std::vector<double> literalX = literalNewtonCoefficients(polygon->coordinates(&ControlPoint::x));
        for (std::size_t i = 0; i + 1 < n; ++i) {
            interpolator.centreOn(static_cast<std::int32_t>(i));
            for (double t = i; t <= i + 1; t += 0.125) EXPECT_EQ(interpolator.evaluate(t).x, literalNewton(literalX, t));
        }
    }
}

TEST(StableCurvesTest, LanesGiveTheSingleParameterConstructionBitForBit) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> parameter(0.0f, 1.0001f);
    for (std::size_t count : {1u, 2u, 3u, 9u, 64u}) {
        std::vector<Vec2> polygon;
        for (std::size_t i = 0; i < count; ++i) polygon.push_back({float(random() % 571), float(random() % 451)});
        float parameters[CasteljauLanes::LANES];
        for (float& t : parameters) t = parameter(random);
        Vec2 points[CasteljauLanes::LANES];
        CasteljauLanes().run(polygon, parameters, points);
        for (std::size_t lane = 0; lane < CasteljauLanes::LANES; ++lane) {
            const Vec2 single = literalCasteljau(polygon, parameters[lane]);
            EXPECT_TRUE(points[lane].x == single.x && points[lane].y == single.y) << count << " points, lane " << lane;
        }
    }
}

}  // namespace
