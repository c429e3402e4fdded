#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "DeBoorCurve.h"
#include "KnotText.h"
#include "Tokenizer.h"

namespace {

std::vector<float> knotsOf(const char* text) {
    DeBoorCurve curve;
    curve.addKnot(99.0f);  // every edit replaces the whole list
    readKnots(curve, text);
    std::vector<float> knots;
    for (std::int32_t j = 0; j < curve.knots().count(); ++j) knots.push_back(curve.knots()[j]);
    return knots;
}

TEST(KnotTextTest, TheLastTokenArrivesWithTheEndOfInput) {
    Tokenizer tokenizer;
    EXPECT_FALSE(tokenizer.setText(""));
    EXPECT_EQ(tokenizer.status(), Tokenizer::EMPTY_TEXT);
    EXPECT_TRUE(tokenizer.setText(", ab, ,c"));
    EXPECT_FALSE(tokenizer.addDelimiter(""));
    tokenizer.addDelimiter(", ");
    tokenizer.addDelimiter(",");
    EXPECT_EQ(tokenizer.nextToken(), "ab");
    EXPECT_EQ(tokenizer.status(), Tokenizer::READY);
    EXPECT_EQ(tokenizer.nextToken(), "c");
    EXPECT_EQ(tokenizer.status(), Tokenizer::END_OF_INPUT);
    EXPECT_EQ(tokenizer.nextToken(), std::nullopt);
}

TEST(KnotTextTest, KnotListsNeverDecreaseAndATrailingZeroIsNotTaken) {
    const struct {
        const char* text;
        std::vector<float> knots;
    } cases[] = {
        {"0, 1, 2, 3", {0, 1, 2, 3}},
        {"0,1,,2  3", {0, 1, 2, 3}},
        {"0\t1\r\n2", {0, 1, 2}},
        {"0, 1, 2, ", {0, 1, 2}},
        {" ,\t\r\n, ", {}},
        {"", {}},
        {"0", {}},
        {"-1, 0", {-1}},
        {"0, 0, 1", {0, 0, 1}},
        {"0, 0, 0, 1", {0, 0, 0, 1}},
        {"3, 2, 1", {3}},
        {"0, 1, 5, 3, 4, 6", {0, 1, 5, 6}},
        {"1;2", {1}},
        {"2.5x", {2.5f}},
        {"abc", {}},
        {"abc 1", {0, 1}},
        {"0.1", {0.1f}},
        {"1e39, 5", {INFINITY}},
    };
    for (const auto& c : cases) EXPECT_EQ(knotsOf(c.text), c.knots) << "text \"" << c.text << "\"";
}

TEST(KnotTextTest, DegreesBelowTwoBecomeTwoAndHugeOnesSaturate) {
    const struct {
        const char* text;
        std::int32_t degree;
    } cases[] = {
        {"", 2},          {"-4", 2},        {"1", 2},          {"0", 2},
        {"7", 7},         {"12x", 12},      {" 5", 5},         {"2147483647", INT_MAX},
        {"99999999999999999999", INT_MAX},  {"-99999999999999999999", 2},
    };
    for (const auto& c : cases) {
        DeBoorCurve curve;
        readDegree(curve, c.text);
        EXPECT_EQ(curve.degree(), c.degree) << "text \"" << c.text << "\"";
    }
}

}  // namespace
