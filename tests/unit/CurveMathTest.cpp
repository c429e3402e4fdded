// The arithmetic behind the Bézier and polynomial constructions, against values computed
// another way.
#include <gtest/gtest.h>

#include <cmath>

#include "BinomialTable.h"
#include "GrowArray.h"
#include "NewtonInterpolator.h"

namespace {

TEST(GrowArrayTest, GrowsInStepsOfFiveKeepingItsContents) {
    GrowArray<int> array;
    for (int i = 0; i < 11; ++i) array.append(i * i);
    EXPECT_EQ(array.capacity(), 15);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(array[i], i * i);
    array.reserve(40);
    array[40] = 7;  // room for one beyond the capacity
    EXPECT_EQ(array[10], 100);
    array.release();
    EXPECT_EQ(array.count(), 0);
    EXPECT_EQ(array.capacity(), 0);
}

// k choose i from the gamma function, and the table's rows both below and far beyond the 150
// that are built at once (the rows beyond would take years by plain recursion).
TEST(BinomialTableTest, MatchesTheGammaFunctionBelowAndBeyondItsBuiltRows) {
    BinomialTable table;
    const struct {
        int k, i;
    } cases[] = {{0, 0}, {5, 2}, {30, 15}, {149, 1}, {149, 74}, {150, 75}, {151, 3}, {200, 100}, {299, 150}, {299, 298}};
    for (const auto& c : cases) {
        const double expected = std::round(std::exp(std::lgamma(c.k + 1.0) - std::lgamma(c.i + 1.0) -
                                                    std::lgamma(c.k - c.i + 1.0)));
        EXPECT_NEAR(table.coef(c.k, c.i) / expected, 1.0, 1e-10) << c.k << " choose " << c.i;
    }
}

// Points on the parabola y = (x - 200)^2 / 100 + 50 with x = 100 + 100 t.
double parabolaY(double t) { return (100.0 * t - 100.0) * (100.0 * t - 100.0) / 100.0 + 50.0; }

TEST(NewtonInterpolatorTest, ReproducesAParabolaAndFollowsNewPointsAfterAReset) {
    NewtonInterpolator newton;
    for (int i = 0; i < 6; ++i) newton.addPoint(i * 17, i * i);  // a different curve first
    newton.prepare();
    newton.reset();
    for (int t = 0; t < 4; ++t) newton.addPoint(100 + 100 * t, static_cast<int>(parabolaY(t)));
    newton.prepare();
    for (double t = 0.0; t <= 3.0; t += 0.25) {
        const NewtonInterpolator::Pair point = newton.evaluate(t);
        EXPECT_NEAR(point.x, 100.0 + 100.0 * t, 1e-9) << t;
        EXPECT_NEAR(point.y, parabolaY(t), 1e-9) << t;
    }
}

}  // namespace
