// The panel tree's update pass, redraw order and primitives, on the headless backend.
#include <functional>
#include <string>
#include <vector>

#include "HeadlessFixture.h"
#include "Object.h"
#include "Panel.h"
#include "Surface.h"

namespace {

// Writes what the panel asks of it into a shared log, and can run an action in its update.
class Logger : public Object {
public:
    Logger(std::string name, std::vector<std::string>& log) : Object(99), name(std::move(name)), log(log) {}
    void attached() override { log.push_back(name + ".attached"); }
    void update() override {
        log.push_back(name + ".update");
        if (onUpdate) onUpdate();
    }
    void draw() override {
        log.push_back(name + ".draw");
        if (onDraw) onDraw();
    }
    void resized(std::int32_t w, std::int32_t h) override {
        log.push_back(name + ".resized " + std::to_string(w) + "x" + std::to_string(h));
    }
    std::string name;
    std::vector<std::string>& log;
    std::function<void()> onUpdate, onDraw;
};

class PanelTest : public HeadlessFixture {
protected:
    PanelTest() { openWindow(200, 200); }
    Panel* grey(std::int32_t w, std::int32_t h) {
        Panel* panel = window->createPanel(w, h);
        panel->red = panel->green = panel->blue = 200;
        return panel;
    }
    std::vector<std::string> log;
};

TEST_F(PanelTest, MouseInsideIncludesBothEnds) {
    Panel* panel = window->createPanel(100, 50);
    const struct {
        std::int32_t x, y, inside;
    } cases[] = {{0, 0, 1}, {100, 50, 1}, {-1, 0, 0}, {0, -1, 0}, {101, 10, 0}, {10, 51, 0}};
    for (const auto& c : cases) {
        frameAt(c.x, c.y);
        EXPECT_EQ(panel->mouseInside, c.inside) << c.x << "," << c.y;
    }
}

TEST_F(PanelTest, MouseIsMadeRelativeToTheChild) {
    Panel* child = window->createPanel(300, 300)->createChild(50, 50);
    child->x = 15;
    child->y = 25;
    frameAt(20, 30);
    EXPECT_EQ(child->mouse.x, 5);
    EXPECT_EQ(child->mouse.y, 5);
    EXPECT_EQ(child->mouseInside, 1);
}

TEST_F(PanelTest, AnObjectAddedDuringUpdateIsAttachedAndUpdatedInTheSamePass) {
    Panel* panel = window->createPanel(10, 10);
    auto* first = new Logger("a", log);
    panel->addObject(first);
    first->onUpdate = [&] {
        if (panel->objects.size() == 1) panel->addObject(new Logger("b", log));
    };
    log.clear();
    window->update();
    EXPECT_EQ(log, (std::vector<std::string>{"a.update", "b.attached", "b.update", "a.draw", "b.draw"}));
}

TEST_F(PanelTest, AnObjectAddedDuringDrawIsFirstDrawnAtTheNextRedraw) {
    Panel* panel = window->createPanel(10, 10);
    auto* first = new Logger("a", log);
    panel->addObject(first);
    first->onDraw = [&] {
        if (panel->objects.size() == 1) panel->addObject(new Logger("b", log));
    };
    window->update();
    EXPECT_EQ(log, (std::vector<std::string>{"a.attached", "a.update", "a.draw", "b.attached"}));
}

TEST_F(PanelTest, RemovingAnEarlierObjectSkipsTheFollowerForOnePass) {
    Panel* panel = window->createPanel(10, 10);
    auto* a = new Logger("a", log);
    auto* b = new Logger("b", log);
    auto* c = new Logger("c", log);
    panel->addObject(a);
    panel->addObject(b);
    panel->addObject(c);
    b->onUpdate = [&] {
        panel->removeObject(a);
        b->onUpdate = nullptr;
    };
    log.clear();
    window->update();
    delete a;
    EXPECT_EQ(log, (std::vector<std::string>{"a.update", "b.update", "b.draw", "c.draw"}));
}

TEST_F(PanelTest, RemoveTakesOnlyTheFirstOfADoubledPointer) {
    Panel* panel = window->createPanel(10, 10);
    auto* a = new Logger("a", log);
    auto* b = new Logger("b", log);
    panel->addObject(a);
    panel->addObject(b);
    panel->addObject(a);
    panel->removeObject(a);
    EXPECT_EQ(panel->objects, (std::vector<Object*>{b, a}));
    panel->removeObject(a);
    panel->removeObject(a);  // absent: nothing happens
    EXPECT_EQ(panel->objects, (std::vector<Object*>{b}));
    delete a;
}

TEST_F(PanelTest, ADirtyChildRedrawsItsCleanParentInTheSamePass) {
    Panel* parent = grey(100, 100);
    Panel* child = parent->createChild(20, 20);
    child->red = 255;
    child->x = child->y = 10;
    window->update();
    EXPECT_EQ(parent->dirty, 0);
    EXPECT_EQ(child->dirty, 0);

    child->red = 0;
    child->blue = 255;
    child->dirty = 1;
    window->update();
    EXPECT_EQ(parent->dirty, 0);
    EXPECT_EQ(headless->windowPixel(15, 15), rgb(0, 0, 255)) << "the parent composited the new child";
    EXPECT_EQ(headless->windowPixel(5, 5), rgb(200, 200, 200));
}

TEST_F(PanelTest, RedrawOrderIsBackgroundObjectsChildrenControls) {
    Panel* parent = grey(100, 100);
    auto* painter = new Logger("p", log);
    painter->onDraw = [&] { parent->fillRect(0, 0, 50, 50, 255, 0, 0); };
    parent->addObject(painter);
    Panel* child = parent->createChild(10, 10);
    child->green = 255;
    child->x = child->y = 20;
    window->update();
    EXPECT_EQ(headless->windowPixel(5, 5), rgb(255, 0, 0));
    EXPECT_EQ(headless->windowPixel(25, 25), rgb(0, 255, 0)) << "children are composited over the objects";
    EXPECT_EQ(headless->windowPixel(60, 60), rgb(200, 200, 200));
}

TEST_F(PanelTest, ACleanPanelDoesNotRedraw) {
    Panel* panel = grey(10, 10);
    panel->addObject(new Logger("a", log));
    window->update();
    log.clear();
    window->update();
    EXPECT_EQ(log, (std::vector<std::string>{"a.update"}));
}

TEST_F(PanelTest, RepaintOfAChildRedrawsItAndItsParentWithoutTouchingDirty) {
    Panel* parent = window->createPanel(50, 50);
    Panel* child = parent->createChild(10, 10);
    parent->addObject(new Logger("parent", log));
    child->addObject(new Logger("child", log));
    window->update();
    log.clear();
    child->dirty = 1;
    child->repaint();
    EXPECT_EQ(log, (std::vector<std::string>{"child.draw", "parent.draw"}));
    EXPECT_EQ(child->dirty, 1);
    EXPECT_EQ(parent->dirty, 0);
}

TEST_F(PanelTest, RefreshUpdatesThePanelAndEveryAncestor) {
    Panel* parent = window->createPanel(50, 50);
    Panel* child = parent->createChild(10, 10);
    parent->addObject(new Logger("parent", log));
    child->addObject(new Logger("child", log));
    window->update();
    log.clear();
    child->refresh();
    EXPECT_EQ(log, (std::vector<std::string>{"child.update", "child.draw", "parent.update", "child.update",
                                             "parent.draw"}));
}

TEST_F(PanelTest, ResizeToTheSameSizeStillReplacesTheBitmapAndRepaints) {
    Panel* panel = grey(40, 30);
    panel->addObject(new Logger("a", log));
    window->update();
    const Surface* before = &panel->bitmap();
    log.clear();
    panel->resize(40, 30);
    EXPECT_NE(&panel->bitmap(), before);
    EXPECT_EQ(log, (std::vector<std::string>{"a.resized 40x30", "a.draw"}));
    EXPECT_EQ(panel->dirty, 1);
}

TEST_F(PanelTest, ResizeToZeroWorks) {
    Panel* panel = grey(40, 30);
    panel->addObject(new Logger("a", log));
    panel->resize(0, 0);
    window->update();
    EXPECT_EQ(panel->bitmap().width(), 0);
    panel->drawLine(-5, -5, 5, 5, 3, 0, 0, 0);
    panel->resize(10, 0);
    EXPECT_EQ(panel->width, 10);
}

TEST_F(PanelTest, OnlyTheLowEightBitsOfAChannelCount) {
    Panel* panel = window->createPanel(20, 20);
    panel->fillRect(0, 0, 10, 10, 256, 300, 511);
    EXPECT_EQ(panel->bitmap().pixel(5, 5), rgb(0, 44, 255));
}

TEST_F(PanelTest, DrawingFarOutsideDrawsNothing) {
    Panel* panel = grey(20, 20);
    panel->clear();
    panel->drawLine(-2000000000, -2000000000, 2000000000, -1999999999, 4, 0, 0, 0);
    panel->drawDisc(2147483600, 2147483600, 6, 0, 0, 0);
    panel->drawText(5000, 5000, "far");
    for (std::int32_t y = 0; y < 20; ++y)
        for (std::int32_t x = 0; x < 20; ++x) ASSERT_EQ(panel->bitmap().pixel(x, y), rgb(200, 200, 200));
}

TEST_F(PanelTest, DestroyingTheWindowDeletesPanelsAndTheirObjects) {
    struct Counted : Object {
        explicit Counted(int& alive) : Object(99), alive(alive) { ++alive; }
        ~Counted() override { --alive; }
        int& alive;
    };
    int alive = 0;
    Panel* parent = window->createPanel(10, 10);
    parent->addObject(new Counted(alive));
    parent->createChild(5, 5)->addObject(new Counted(alive));
    EXPECT_EQ(alive, 2);
    delete window;
    window = nullptr;
    EXPECT_EQ(alive, 0);
}

}  // namespace
