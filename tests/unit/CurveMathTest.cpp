// The storage and the binomial coefficients behind the constructions, against values computed
// another way.
#include <gtest/gtest.h>

#include <cmath>

#include "BinomialTable.h"
#include "GrowArray.h"

namespace {

TEST(GrowArrayTest, GrowsInStepsOfFiveKeepingItsContents) {
    GrowArray<int> array;
    for (int i = 0; i < 11; ++i) array.append(i * i);
    EXPECT_EQ(array.capacity(), 15);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(array[i], i * i);
    array.reserve(40);
    array[40] = 7;  // room for one beyond the capacity
    EXPECT_EQ(array[10], 100);
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

}  // namespace
