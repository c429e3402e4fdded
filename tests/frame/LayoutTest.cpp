// The layout rules that size a panel from the client area, and the scaled length beneath them.
#include <limits>
#include <vector>

#include "HeadlessFixture.h"
#include "Panel.h"
#include "ScaledLength.h"
#include "SizeController.h"

namespace {

using LayoutTest = HeadlessFixture;

// A panel at (7, 9), 300 x 500, laid out in a 601 x 401 client area by one configured controller.
TEST_F(LayoutTest, EachRuleAgainstA601By401Client) {
    const struct {
        const char* name;
        void (*configure)(SizeController&);
        std::vector<std::int32_t> geometry;
    } cases[] = {
        {"no rule in force keeps the geometry", [](SizeController&) {}, {7, 9, 300, 500}},
        {"a position takes the offset, never the factor",
         [](SizeController& c) { c.topRule.enable(), c.topRule.setFactor(3.0f), c.topRule.setOffset(12); }, {7, 12, 300, 500}},
        {"an offset not in force is ignored", [](SizeController& c) { c.leftRule.setOffset(40); }, {7, 9, 300, 500}},
        {"a size in force alone is the client's", [](SizeController& c) { c.widthRule.enable(); }, {7, 9, 601, 500}},
        {"half the width truncates", [](SizeController& c) { c.widthRule.enable(), c.widthRule.setFactor(0.5f); },
         {7, 9, 300, 500}},
        {"factor, then offset",
         [](SizeController& c) { c.heightRule.enable(), c.heightRule.setFactor(0.5f), c.heightRule.setOffset(10); },
         {7, 9, 300, 210}},
        {"a negative size is 0", [](SizeController& c) { c.heightRule.enable(), c.heightRule.setOffset(-402); },
         {7, 9, 300, 0}},
        {"so is a negative factor's", [](SizeController& c) { c.widthRule.enable(), c.widthRule.setFactor(-1.0f); },
         {7, 9, 0, 500}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        openWindow(601, 401);
        Panel* panel = window->createPanel(300, 500);
        panel->x = 7;
        panel->y = 9;
        auto* controller = new SizeController;
        panel->addObject(controller);
        c.configure(*controller);
        window->update();
        EXPECT_EQ(std::vector({panel->x, panel->y, panel->width, panel->height}), c.geometry);
        EXPECT_EQ(std::vector({panel->bitmap().width(), panel->bitmap().height()}),
                  std::vector(c.geometry.begin() + 2, c.geometry.end()));
        delete window;
        window = nullptr;
    }
}

TEST(ScaledLength, TruncatesTowardZeroAndSaturatesInsteadOfOverflowing) {
    const struct {
        std::int32_t reference;
        float factor;
        std::int32_t expected;
    } cases[] = {
        {601, 0.5f, 300}, {-601, 0.5f, -300},
        // 0.1f is a little above 0.1: the product in double precision keeps that.
        {1000000000, 0.1f, 100000001}, {1000, 1e30f, std::numeric_limits<std::int32_t>::max()},
        {1000, -1e30f, std::numeric_limits<std::int32_t>::min()}, {5, std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaledLength(c.reference, c.factor), c.expected) << c.reference << " x " << c.factor;
}

}  // namespace
