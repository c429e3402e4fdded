#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "DeBoorCurve.h"
#include "KnotText.h"

namespace {

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
