// The layout objects sizing their panels from the client size, and the text label.
#include <cmath>
#include <limits>
#include <vector>

#include "HeadlessFixture.h"
#include "Panel.h"
#include "ScaledLength.h"
#include "SizeController.h"
#include "TextObj.h"
#include "VariableWidth.h"

namespace {

// Records the resizes its panel reports, with the panel's position as seen at that moment.
class ResizeProbe : public Object {
public:
    ResizeProbe() : Object(99) {}
    void resized(std::int32_t width, std::int32_t height) override {
        sizes.push_back({owner->x, owner->y, width, height});
    }
    struct Seen {
        std::int32_t x, y, width, height;
    };
    std::vector<Seen> sizes;
};

void startUpRules(SizeController& controller) {
    controller.leftRule.enable();
    controller.leftRule.setOffset(15);
    controller.widthRule.enable();
    controller.widthRule.setOffset(-30);
    controller.widthRule.setFactor(1.0f);
    controller.topRule.enable();
    controller.topRule.setOffset(25);
    controller.heightRule.enable();
    controller.heightRule.setOffset(-65);
    controller.heightRule.setFactor(1.0f);
}

class LayoutTest : public HeadlessFixture {
protected:
    LayoutTest() {
        framePanel = openWindow().createPanel(600, 600);
        framePanel->red = framePanel->green = framePanel->blue = 255;
    }

    // A child panel laid out by a SizeController configured with the given rules.
    void addRuledPanel(void (*configure)(SizeController&)) {
        ruled = framePanel->createChild(300, 500);
        ruled->x = 7;
        ruled->y = 9;
        controller = new SizeController;
        ruled->addObject(controller);
        configure(*controller);
        probe = new ResizeProbe;
        ruled->addObject(probe);
    }
    void resizeClient(std::int32_t width, std::int32_t height) {
        headless->resizeClient(width, height);
        window->update();
    }
    void expectGeometry(const Panel* panel, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
        EXPECT_EQ(panel->x, x);
        EXPECT_EQ(panel->y, y);
        EXPECT_EQ(panel->width, width);
        EXPECT_EQ(panel->height, height);
        EXPECT_EQ(panel->bitmap().width(), width);
        EXPECT_EQ(panel->bitmap().height(), height);
    }

    Panel* framePanel = nullptr;
    Panel* ruled = nullptr;
    SizeController* controller = nullptr;
    ResizeProbe* probe = nullptr;
};

TEST_F(LayoutTest, StartUpRulesKeepTheMarginsAtEveryClientSize) {
    addRuledPanel(startUpRules);
    window->update();
    expectGeometry(ruled, 15, 25, 570, 535);

    const struct {
        std::int32_t clientWidth, clientHeight, width, height;
    } cases[] = {{800, 700, 770, 635}, {31, 66, 1, 1}, {30, 65, 0, 0}, {20, 50, 0, 0}, {601, 599, 571, 534}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.clientWidth << " x " << c.clientHeight);
        resizeClient(c.clientWidth, c.clientHeight);
        expectGeometry(ruled, 15, 25, c.width, c.height);
        // The objects told of the resize already see the new position.
        EXPECT_EQ(probe->sizes.back().x, 15);
        EXPECT_EQ(probe->sizes.back().y, 25);
    }
}

TEST_F(LayoutTest, SingleRulesAgainstA601By401Client) {
    const struct {
        const char* name;
        void (*configure)(SizeController&);
        std::int32_t x, y, width, height;
    } cases[] = {
        {"no rule in force keeps the geometry", [](SizeController&) {}, 7, 9, 300, 500},
        {"left factor without offset is 0",
         [](SizeController& c) {
             c.leftRule.enable();
             c.leftRule.setFactor(0.5f);
         },
         0, 9, 300, 500},
        {"top factor plus offset is the offset",
         [](SizeController& c) {
             c.topRule.enable();
             c.topRule.setFactor(3.0f);
             c.topRule.setOffset(12);
         },
         7, 12, 300, 500},
        {"offset of a rule not in force is ignored", [](SizeController& c) { c.leftRule.setOffset(40); }, 7, 9, 300,
         500},
        {"width in force alone is the client width", [](SizeController& c) { c.widthRule.enable(); }, 7, 9, 601, 500},
        {"width offset without factor",
         [](SizeController& c) {
             c.widthRule.enable();
             c.widthRule.setOffset(-1);
         },
         7, 9, 600, 500},
        {"half the width truncates",
         [](SizeController& c) {
             c.widthRule.enable();
             c.widthRule.setFactor(0.5f);
         },
         7, 9, 300, 500},
        {"factor then offset",
         [](SizeController& c) {
             c.heightRule.enable();
             c.heightRule.setFactor(0.5f);
             c.heightRule.setOffset(10);
         },
         7, 9, 300, 210},
        {"negative height becomes 0",
         [](SizeController& c) {
             c.heightRule.enable();
             c.heightRule.setOffset(-402);
         },
         7, 9, 300, 0},
        {"negative factor becomes 0",
         [](SizeController& c) {
             c.widthRule.enable();
             c.widthRule.setFactor(-1.0f);
         },
         7, 9, 0, 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        addRuledPanel(c.configure);
        resizeClient(601, 401);
        expectGeometry(ruled, c.x, c.y, c.width, c.height);
        framePanel->children.clear();
        delete ruled;
    }
}

TEST_F(LayoutTest, FirstUpdateLaysOutAndAnUnchangedClientCostsNothing) {
    addRuledPanel([](SizeController&) {});
    window->update();
    ASSERT_EQ(probe->sizes.size(), 1u) << "the first update lays out even with no rule in force";
    const Surface* bitmap = &ruled->bitmap();

    for (int frame = 0; frame < 3; ++frame) window->update();
    EXPECT_EQ(probe->sizes.size(), 1u);
    EXPECT_EQ(&ruled->bitmap(), bitmap) << "the bitmap stays as long as the client size does";
    EXPECT_EQ(controller->lastWindowWidth, 600);
    EXPECT_EQ(controller->lastWindowHeight, 600);
}

TEST_F(LayoutTest, ResetRememberedSizeLaysOutAgainAtTheSameClientSize) {
    addRuledPanel(startUpRules);
    window->update();

    // What a construction with extra control rows does while it is active.
    controller->heightRule.setOffset(-150);
    controller->lastWindowWidth = controller->lastWindowHeight = -1;
    window->update();
    expectGeometry(ruled, 15, 25, 570, 450);

    const Surface* bitmap = &ruled->bitmap();
    controller->lastWindowWidth = controller->lastWindowHeight = -1;
    window->update();
    EXPECT_EQ(probe->sizes.size(), 3u) << "resized even though the size did not change";
    EXPECT_NE(&ruled->bitmap(), bitmap);
    expectGeometry(ruled, 15, 25, 570, 450);
}

TEST_F(LayoutTest, SizeControllerComparesWithTheClientNotWithItsPanel) {
    addRuledPanel(startUpRules);
    window->update();
    ruled->resize(100, 100);
    window->update();
    EXPECT_EQ(ruled->width, 100) << "the client size did not change, so nothing is laid out";
}

TEST_F(LayoutTest, VariableWidthFollowsTheClientByItsFactorsAndNeverMoves) {
    const struct {
        float widthFactor, heightFactor;
        std::int32_t clientWidth, clientHeight, width, height;
    } cases[] = {
        {1.0f, 1.0f, 800, 700, 800, 700},
        {1.0f, 1.0f, 601, 1, 601, 1},
        {0.5f, 1.0f, 601, 400, 300, 400},
        {0.5f, 0.25f, 7, 9, 3, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.widthFactor << " x " << c.heightFactor);
        Panel* panel = framePanel->createChild(50, 50);
        panel->x = 5;
        panel->y = 6;
        panel->addObject(new VariableWidth(c.widthFactor, c.heightFactor));
        resizeClient(c.clientWidth, c.clientHeight);
        expectGeometry(panel, 5, 6, c.width, c.height);
        framePanel->children.clear();
        delete panel;
    }
}

TEST_F(LayoutTest, VariableWidthComparesWithItsPanelsCurrentSize) {
    ResizeProbe* seen = new ResizeProbe;
    framePanel->addObject(seen);
    framePanel->addObject(new VariableWidth(1.0f, 1.0f));
    window->update();
    EXPECT_TRUE(seen->sizes.empty()) << "the panel already has the client size";

    framePanel->resize(100, 100);
    window->update();
    ASSERT_EQ(seen->sizes.size(), 2u);
    EXPECT_EQ(seen->sizes.back().width, 600);
    EXPECT_EQ(seen->sizes.back().height, 600);
}

// True when some pixel of the window inside [left, right) x [top, bottom) differs from white.
bool inkInside(HeadlessPlatform& headless, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) {
    for (std::int32_t y = top; y < bottom; ++y)
        for (std::int32_t x = left; x < right; ++x)
            if (headless.windowPixel(x, y) != rgb(255, 255, 255)) return true;
    return false;
}

TEST_F(LayoutTest, TextObjDrawsFromItsTopLeftCorner) {
    TextObj* unplaced = new TextObj("Curve Res:");
    framePanel->addObject(unplaced);
    window->update();
    EXPECT_TRUE(inkInside(*headless, 0, 0, 100, 20)) << "never placed: the panel's top-left corner";
    EXPECT_FALSE(inkInside(*headless, 0, 20, 600, 600));
    EXPECT_FALSE(inkInside(*headless, 100, 0, 600, 20));

    unplaced->x = 300;
    unplaced->y = 400;
    framePanel->dirty = 1;
    window->update();
    EXPECT_FALSE(inkInside(*headless, 0, 0, 300, 600));
    EXPECT_TRUE(inkInside(*headless, 300, 400, 400, 420));
}

TEST(ScaledLength, TruncatesTowardZeroAndSaturatesInsteadOfOverflowing) {
    constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t bottom = std::numeric_limits<std::int32_t>::min();
    const struct {
        std::int32_t reference;
        float factor;
        std::int32_t expected;
    } cases[] = {
        {601, 0.5f, 300},
        {-601, 0.5f, -300},
        {600, 1.0f, 600},
        // 0.1f is a little above 0.1: the product in double precision keeps that.
        {1000000000, 0.1f, 100000001},
        {1000, 1e30f, top},
        {1000, -1e30f, bottom},
        {0, std::numeric_limits<float>::infinity(), 0},
        {5, std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaledLength(c.reference, c.factor), c.expected) << c.reference << " x " << c.factor;
}

}  // namespace
