#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "SplineSolver.h"

namespace {

// The natural spline at the knots 0, 1, ... in its usual form: the second derivatives m solve
// m[k-1] + 4 m[k] + m[k+1] = 6 (y[k-1] - 2 y[k] + y[k+1]) with m = 0 at both ends (Thomas).
double naturalSpline(const std::vector<double>& y, double t) {
    const std::size_t last = y.size() - 1;
    std::vector<double> m(y.size(), 0.0), d(y.size(), 4.0), r(y.size(), 0.0);
    for (std::size_t k = 1; k < last; ++k) r[k] = 6.0 * (y[k - 1] - 2.0 * y[k] + y[k + 1]);
    for (std::size_t k = 2; k < last; ++k) d[k] -= 1.0 / d[k - 1], r[k] -= r[k - 1] / d[k - 1];
    for (std::size_t k = last - 1; k >= 1; --k) m[k] = (r[k] - m[k + 1]) / d[k];
    const std::size_t j = std::min(static_cast<std::size_t>(t), last - 1);
    const double u = t - static_cast<double>(j), v = 1.0 - u;
    return v * y[j] + u * y[j + 1] + ((v * v * v - v) * m[j] + (u * u * u - u) * m[j + 1]) / 6.0;
}

// Without row exchanges the solve is pixels off from about 29 points and millions at 40.
TEST(SplineSolverTest, StaysWithinAPixelOfTheNaturalSplineForManyPoints) {
    for (const std::int32_t count : {2, 3, 10, 40, 300}) {
        std::vector<double> xs, ys;
        SplineSolver solver;
        for (std::int32_t k = 0; k < count; ++k) {
            xs.push_back(k * k * 7919 % 570), ys.push_back((k * 104729 + count) % 535);
            solver.addPoint(static_cast<std::int32_t>(xs.back()), static_cast<std::int32_t>(ys.back()));
        }
        solver.solve(0);
        for (double t = 0.0; t <= count - 1; t += 0.25) {
            std::int32_t x = 0, y = 0;
            solver.evaluate(t, &x, &y);
            ASSERT_NEAR(x, std::trunc(naturalSpline(xs, t)), 1.0) << count << " points, t " << t;
            ASSERT_NEAR(y, std::trunc(naturalSpline(ys, t)), 1.0) << count << " points, t " << t;
        }
    }
}

std::vector<std::uint64_t> bits(const GrowArray<double>& values) {
    std::vector<std::uint64_t> out(static_cast<std::size_t>(values.count()));
    for (std::int32_t i = 0; i < values.count(); ++i) std::memcpy(&out[static_cast<std::size_t>(i)], &values[i], 8);
    return out;
}

// One solver reused over polygons in this order replays the last solve of the same count. One point
// passes rows over; repeated points repeat right-hand sides; a traced solve is a full one.
TEST(SplineSolverTest, AReplayedSolveGivesAFreshSolvesCoefficientsBitForBit) {
    const struct { std::int32_t count; bool repeated, traced; } polygons[] = {
        {40, false, false}, {40, true, false}, {7, true, true},    {7, false, false}, {40, false, false},
        {1, false, true},   {1, false, false}, {2, true, false},   {300, false, false}, {300, true, false}};
    std::mt19937 random(14);
    SplineSolver reused;
    for (const auto& polygon : polygons) {
        SplineSolver fresh;
        reused.clearPoints();
        std::int32_t x = 0, y = 0;
        for (std::int32_t k = 0; k < polygon.count; ++k) {
            if (!polygon.repeated || k % 3 == 0)
                x = static_cast<std::int32_t>(random() % 2001) - 500, y = static_cast<std::int32_t>(random() % 2001) - 500;
            fresh.addPoint(x, y), reused.addPoint(x, y);
        }
        testing::internal::CaptureStdout();
        fresh.solve(polygon.traced);
        const std::string freshTrace = testing::internal::GetCapturedStdout();
        testing::internal::CaptureStdout();
        reused.solve(polygon.traced);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), freshTrace) << polygon.count << " points";
        EXPECT_EQ(bits(reused.xCoefficients()), bits(fresh.xCoefficients())) << polygon.count << " points";
        EXPECT_EQ(bits(reused.yCoefficients()), bits(fresh.yCoefficients())) << polygon.count << " points";
    }
}

// One point: column 1 has no usable pivot, so both elimination passes pass row 1 over silently.
TEST(SplineSolverTest, OnePointTracesEachUsedPivotOnceAndOnlyWhenAsked) {
    const std::string a = "  1.000   0.000   0.000 |  -3.000 |   7.000\n";
    const std::string b = "  0.000   0.000   2.000 |   0.000 |   0.000\n";
    const std::string c = "  0.000   0.000   0.000 |   0.000 |   0.000\n";
    const std::string d = "  0.000   0.000   1.000 |   0.000 |   0.000\n";
    const std::string stage = "\n-----\nPreforming Gauss Jordan from the ", row = "Gauss Jordan: Row ";
    const std::string expected = "Inital Matrix:\n" + a + b + b +
                                 stage + "top down.\n" + row + "0\n" + a + b + b + row + "2\n" + a + b + b +
                                 stage + "bottom up.\n" + row + "2\n" + a + c + b +
                                 "\n-----\nDividing each row\n" + row + "0\n" + a + c + b + row + "1\n" + a + c + b +
                                 row + "2\n" + a + c + d;
    SplineSolver solver;
    solver.addPoint(-3, 7);
    testing::internal::CaptureStdout();
    solver.solve(1);
    solver.solve(1);  // nothing new to solve
    solver.addPoint(20, 0);
    solver.solve(0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected);
}

}  // namespace
