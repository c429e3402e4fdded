#include <gtest/gtest.h>

#include <cmath>

#include "BinomialTable.h"
#include "GrowArray.h"

namespace {

TEST(GrowArrayTest, GrowsInStepsOfFiveKeepingItsContents) {
    GrowArray<int> array;
    for (int i = 0; i < 11; ++i) array.append(i * i);
    EXPECT_EQ(array.capacity(), 15);
    array.reserve(40);
    array[40] = 7;  // room for one beyond the capacity
    for (int i = 0; i < 11; ++i) EXPECT_EQ(array[i], i * i);
}

// Against the gamma function, in the 150 rows built at once and far beyond (too far for plain recursion).
TEST(BinomialTableTest, MatchesTheGammaFunction) {
    BinomialTable table;
    for (auto [k, i] : {std::pair{0, 0}, {5, 2}, {30, 15}, {149, 1}, {149, 74}, {150, 75}, {200, 100}, {299, 298}}) {
        const double expected = std::exp(std::lgamma(k + 1.0) - std::lgamma(i + 1.0) - std::lgamma(k - i + 1.0));
        EXPECT_NEAR(table.coef(k, i) / expected, 1.0, 1e-10) << k << " choose " << i;
    }
}

}  // namespace
