#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "GrowArray.h"
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

std::vector<std::uint64_t> bits(const GrowArray<double>& values) {
    std::vector<std::uint64_t> out(static_cast<std::size_t>(values.count()));
    std::memcpy(out.data(), &values[0], out.size() * sizeof(double));
    return out;
}

// A reused solver replays the last solve of a count (one point: rows passed over) bit for bit, traces as a
// fresh one, gives side by side the points of one by one, within a pixel of the natural spline (by pivoting).
TEST(SplineSolverTest, AReusedSolverSolvesAsAFreshOneAndFollowsTheNaturalSpline) {
    const struct { std::int32_t count; bool repeated, traced; } polygons[] = {
        {40, false, false}, {40, true, false}, {7, true, true},     {7, false, false},  {1, false, true},
        {1, false, false},  {2, true, false},  {300, false, false}, {300, true, false}};
    std::mt19937 random(14);
    std::uniform_int_distribution<std::int32_t> coordinate(-500, 1500);
    SplineSolver reused;
    for (const auto& polygon : polygons) {
        SCOPED_TRACE(testing::Message() << polygon.count << " points");
        SplineSolver fresh;
        reused.clearPoints();
        std::vector<double> xs, ys;
        std::int32_t x = 0, y = 0;
        for (std::int32_t k = 0; k < polygon.count; ++k) {
            if (!polygon.repeated || k % 3 == 0) x = coordinate(random), y = coordinate(random);
            xs.push_back(x), ys.push_back(y), fresh.addPoint(x, y), reused.addPoint(x, y);
        }
        testing::internal::CaptureStdout();
        fresh.solve(polygon.traced);
        const std::string trace = testing::internal::GetCapturedStdout();
        testing::internal::CaptureStdout();
        reused.solve(polygon.traced);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), trace);
        EXPECT_EQ(bits(reused.xCoefficients()), bits(fresh.xCoefficients()));
        EXPECT_EQ(bits(reused.yCoefficients()), bits(fresh.yCoefficients()));
        std::vector<double> t;
        for (double s = 0.0; s <= polygon.count - 1; s += 0.3) t.push_back(s);
        std::vector<std::int32_t> sideX(t.size()), sideY(t.size());
        reused.evaluate(t.data(), static_cast<std::int32_t>(t.size()), sideX.data(), sideY.data());
        for (std::size_t k = 0; k < t.size(); ++k) {
            fresh.evaluate(t[k], &x, &y);
            ASSERT_EQ(std::make_pair(sideX[k], sideY[k]), std::make_pair(x, y)) << "t " << t[k];
            if (polygon.count == 1) continue;
            ASSERT_NEAR(x, std::trunc(naturalSpline(xs, t[k])), 1.0) << "t " << t[k];
            ASSERT_NEAR(y, std::trunc(naturalSpline(ys, t[k])), 1.0) << "t " << t[k];
        }
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

TEST(GrowArrayTest, GrowsInStepsOfFiveKeepingItsContents) {
    GrowArray<int> array;
    for (int i = 0; i < 11; ++i) array.append(i * i);
    EXPECT_EQ(array.capacity(), 15);
    array.reserve(40);
    array[40] = 7;  // room for one beyond the capacity
    for (int i = 0; i < 11; ++i) EXPECT_EQ(array[i], i * i);
}

}  // namespace
