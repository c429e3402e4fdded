#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "SplineSolver.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// The natural cubic spline at uniform knots in its usual form: the second derivatives m solve
// m[k-1] + 4 m[k] + m[k+1] = 6 (y[k-1] - 2 y[k] + y[k+1]) with m at both ends 0 (Thomas
// algorithm), then each segment is the Hermite-like cubic in u = t - j.
class NaturalSpline {
public:
    explicit NaturalSpline(const std::vector<double>& y) : y(y), m(y.size(), 0.0) {
        const std::size_t last = y.size() - 1;
        std::vector<double> diagonal(y.size(), 4.0), rhs(y.size(), 0.0);
        for (std::size_t k = 1; k < last; ++k) rhs[k] = 6.0 * (y[k - 1] - 2.0 * y[k] + y[k + 1]);
        for (std::size_t k = 2; k < last; ++k) {
            diagonal[k] -= 1.0 / diagonal[k - 1];
            rhs[k] -= rhs[k - 1] / diagonal[k - 1];
        }
        for (std::size_t k = last - 1; k >= 1; --k) m[k] = (rhs[k] - m[k + 1]) / diagonal[k];
    }
    double at(double t) const {
        const std::size_t j = std::min(static_cast<std::size_t>(t), y.size() - 2);
        const double u = t - static_cast<double>(j), v = 1.0 - u;
        return v * y[j] + u * y[j + 1] + ((v * v * v - v) * m[j] + (u * u * u - u) * m[j + 1]) / 6.0;
    }

private:
    std::vector<double> y, m;
};

TEST(SplineSolverTest, StaysWithinAPixelOfTheNaturalSplineForManyPoints) {
    for (const std::int32_t count : {10, 40, 80, 150, 300}) {
        std::vector<double> xs, ys;
        SplineSolver solver;
        std::srand(static_cast<unsigned>(count));
        for (std::int32_t k = 0; k < count; ++k) {
            xs.push_back(std::rand() % 570);
            ys.push_back(std::rand() % 535);
            solver.addPoint(static_cast<std::int32_t>(xs.back()), static_cast<std::int32_t>(ys.back()));
        }
        CaptureStdout();
        solver.solve(0);
        EXPECT_EQ(GetCapturedStdout(), "");
        const NaturalSpline referenceX(xs), referenceY(ys);
        double worst = 0.0;
        for (std::int32_t step = 0; step <= 10 * (count - 1); ++step) {
            const double t = step / 10.0;
            std::int32_t x = 0, y = 0;
            solver.evaluate(t, &x, &y);
            worst = std::max({worst, std::fabs(x - std::trunc(referenceX.at(t))),
                              std::fabs(y - std::trunc(referenceY.at(t)))});
        }
        EXPECT_LE(worst, 1.0) << count << " points";
    }
}

TEST(SplineSolverTest, TwoPointsTraceEveryStageAndGiveTheSegment) {
    const std::string header = "  1.000   0.000   0.000   0.000 |   0.000 |   0.000\n";
    const std::string line = "  0.000   1.000   1.000   1.000 |  10.000 |  20.000\n";
    const std::string curvatureStart = "  0.000   0.000   2.000   0.000 |   0.000 |   0.000\n";
    const std::string curvatureEnd = "  0.000   0.000   2.000   6.000 |   0.000 |   0.000\n";
    const std::string pivot3 = "  0.000   0.000   0.000   6.000 |   0.000 |   0.000\n";
    const std::string reduced = "  0.000   1.000   0.000   0.000 |  10.000 |  20.000\n";
    const std::string top = header + line + curvatureStart + curvatureEnd;
    const std::string triangle = header + line + curvatureStart + pivot3;
    const std::string diagonal = header + reduced + curvatureStart + pivot3;
    const std::string expected =
        "Inital Matrix:\n" + header + "  1.000   1.000   1.000   1.000 |  10.000 |  20.000\n" + curvatureStart +
        curvatureEnd + "\n-----\nPreforming Gauss Jordan from the top down.\n" + "Gauss Jordan: Row 0\n" + top +
        "Gauss Jordan: Row 1\n" + top + "Gauss Jordan: Row 2\n" + triangle + "Gauss Jordan: Row 3\n" + triangle +
        "\n-----\nPreforming Gauss Jordan from the bottom up.\n" + "Gauss Jordan: Row 3\n" + header +
        "  0.000   1.000   1.000   0.000 |  10.000 |  20.000\n" + curvatureStart + pivot3 + "Gauss Jordan: Row 2\n" +
        diagonal + "Gauss Jordan: Row 1\n" + diagonal + "\n-----\nDividing each row\n" + "Gauss Jordan: Row 0\n" +
        diagonal + "Gauss Jordan: Row 1\n" + diagonal + "Gauss Jordan: Row 2\n" + header + reduced +
        "  0.000   0.000   1.000   0.000 |   0.000 |   0.000\n" + pivot3 + "Gauss Jordan: Row 3\n" + header + reduced +
        "  0.000   0.000   1.000   0.000 |   0.000 |   0.000\n" +
        "  0.000   0.000   0.000   1.000 |   0.000 |   0.000\n";

    SplineSolver solver;
    solver.addPoint(0, 0);
    solver.addPoint(10, 20);
    CaptureStdout();
    solver.solve(1);
    solver.solve(1);  // nothing new to solve
    EXPECT_EQ(GetCapturedStdout(), expected);

    // Truncated toward zero: 12.9 gives 12 and -0.5 gives 0 (not -1).
    const struct {
        double t;
        std::int32_t x, y;
    } samples[] = {{0.0, 0, 0}, {1.0, 10, 20}, {1.29, 12, 25}, {-0.05, 0, -1}, {3.0, 30, 60}};
    for (const auto& s : samples) {
        std::int32_t x = -99, y = -99;
        solver.evaluate(s.t, &x, &y);
        EXPECT_EQ(x, s.x) << s.t;
        EXPECT_EQ(y, s.y) << s.t;
    }
}

// One point leaves column 1 without any pivot: it is passed over, not divided by.
TEST(SplineSolverTest, NoPointOrOnePointGivesTheOriginOrThatPoint) {
    SplineSolver empty;
    SplineSolver single;
    single.addPoint(-7, 300);
    empty.solve(0);
    single.solve(0);
    for (const double t : {0.0, 0.5, 4.0}) {
        std::int32_t x = -99, y = -99;
        empty.evaluate(t, &x, &y);
        EXPECT_EQ(x, 0);
        EXPECT_EQ(y, 0);
        single.evaluate(t, &x, &y);
        EXPECT_EQ(x, -7) << t;
        EXPECT_EQ(y, 300) << t;
    }
}

}  // namespace
