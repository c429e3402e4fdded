#include <gtest/gtest.h>

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

}  // namespace
