// Random use of the whole program: tens of thousands of random events (TESSARY_STRESS_EVENTS
// sets how many), a frame after each, and the scene's invariants checked after every frame.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "Button.h"
#include "DrawingSceneFixture.h"

namespace {

constexpr std::int32_t DEFAULT_EVENTS = 20000;

std::int32_t eventCount() {
    const char* setting = std::getenv("TESSARY_STRESS_EVENTS");
    return setting != nullptr ? std::max(1, std::atoi(setting)) : DEFAULT_EVENTS;
}

class StressTest : public DrawingSceneFixture {
protected:
    std::int32_t between(std::int32_t low, std::int32_t high) {
        return std::uniform_int_distribution<std::int32_t>(low, high)(random);
    }
    template <typename T>
    T pick(std::initializer_list<T> choices) {
        return *(choices.begin() + between(0, static_cast<std::int32_t>(choices.size()) - 1));
    }
    NativeHandle anyLive(const char* className) {
        const std::vector<NativeHandle> handles = headless->liveControls(className);
        return handles.empty() ? 0 : handles[static_cast<std::size_t>(between(0, static_cast<std::int32_t>(handles.size()) - 1))];
    }
    // Mostly the window and just outside it, sometimes anywhere at all.
    std::int32_t coordinate(std::int32_t extent) {
        if (between(0, 20) == 0)
            return pick({std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), -1, 0});
        return between(-50, extent + 50);
    }
    std::string randomText() {
        std::string text;
        const std::int32_t length = pick({0, 1, 3, 12, 60, 300});
        for (std::int32_t i = 0; i < length; ++i)
            text += between(0, 3) == 0 ? static_cast<char>(between(1, 255)) : "0123456789 ,.-e\t"[between(0, 15)];
        return text;
    }

    void randomEvent() {
        switch (between(0, 11)) {
        case 0:
        case 1: headless->setCursor(coordinate(window->width), coordinate(window->height)); break;
        case 2: {
            const std::uint32_t message = pick({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                                                WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_XBUTTONDOWN, WM_XBUTTONUP});
            headless->post(message, makeWParam(0, static_cast<std::uint16_t>(between(0, 3))));
            break;
        }
        case 3: headless->post(WM_MOUSEWHEEL, makeWParam(0, static_cast<std::uint16_t>(between(0, 0xFFFF)))); break;
        case 4: click(tabCentre(static_cast<std::size_t>(between(0, MIDPOINT_TAB))), TAB_ROW_Y); break;
        case 5:  // "Clear" now and then, so the points come and go
            if (NativeHandle button = anyLive("BUTTON"); button != manager->clearButton->handle || between(0, 8) == 0)
                headless->click(button);
            break;
        case 6:
            if (NativeHandle bar = anyLive("SCROLLBAR"); bar != 0)
                headless->scroll(bar, static_cast<std::uint32_t>(between(0, 8)), static_cast<std::uint16_t>(between(0, 0xFFFF)));
            break;
        case 7:
            if (NativeHandle edit = anyLive("edit"); edit != 0) headless->typeText(edit, randomText());
            break;
        case 8:
            headless->post(pick({WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP}),
                           static_cast<WPARAM>(pick<std::int64_t>({between(0, 255), between(256, 0x7FFFFFFF), VK_ESCAPE})));
            break;
        case 9:
            if (between(0, 20) == 0) {
                const bool extreme = between(0, 4) == 0;
                clientWidth = extreme ? pick({0, 1, 4000}) : between(200, 900);
                clientHeight = extreme ? pick({0, 1, 3000}) : between(200, 900);
                headless->resizeClient(clientWidth, clientHeight);
            }
            break;
        case 10:
            if (between(0, 10) == 0) {
                const bool minimise = between(0, 1) == 0;
                headless->post(WM_SIZE, minimise ? SIZE_MINIMIZED : SIZE_RESTORED,
                               minimise ? 0 : makeLParam(static_cast<std::uint16_t>(clientWidth), static_cast<std::uint16_t>(clientHeight)));
                headless->post(WM_ACTIVATE, makeWParam(minimise ? WA_INACTIVE : 1, minimise ? 1 : 0));
            }
            break;
        default: clickIn(between(0, drawingPanel->width), between(0, drawingPanel->height)); break;
        }
    }

    // The manager's points are the panel's point objects, all inside it; the frame panel holds
    // "Clear" and exactly the live native controls.
    void checkInvariants(std::int32_t event) {
        const Panel& drawing = *drawingPanel;
        std::vector<ControlPoint*> pointObjects;
        for (Object* object : drawing.objects)
            if (object->kind == KIND_CONTROL_POINT) pointObjects.push_back(static_cast<ControlPoint*>(object));
        ASSERT_EQ(pointObjects, manager->points) << "event " << event;
        // Held a radius inside each edge; a panel narrower than two radii holds it at the far one.
        const auto heldInside = [](std::int32_t at, std::int32_t radius, std::int32_t size) {
            return at <= size - radius && at >= std::min(radius, size - radius);
        };
        for (const ControlPoint* point : pointObjects) {
            ASSERT_TRUE(heldInside(point->x, point->radius, drawing.width)) << "event " << event << " x " << point->x;
            ASSERT_TRUE(heldInside(point->y, point->radius, drawing.height)) << "event " << event << " y " << point->y;
        }
        const std::vector<Control*>& controls = framePanel->controls;
        ASSERT_EQ(controls.front(), static_cast<Control*>(manager->clearButton)) << "event " << event;
        ASSERT_EQ(headless->liveControls().size(), controls.size()) << "event " << event;
        for (const Control* control : controls) ASSERT_NE(headless->control(control->handle), nullptr);
        ASSERT_EQ(framePanel->objects.size(), expectedLabels() + 2) << "event " << event;
    }
    // The labels that go with the construction's controls: "Curve Res:" with two or four
    // controls (one bar; NLI's bars and box), three with the B-spline's six.
    std::size_t expectedLabels() const {
        switch (framePanel->controls.size()) {
        case 1: return 0;
        case 6: return 3;
        default: return 1;
        }
    }

    std::mt19937 random{20261207};
    std::int32_t clientWidth = 600, clientHeight = 600;
};

TEST_F(StressTest, RandomUseKeepsTheSceneWhole) {
    const std::int32_t events = eventCount();
    std::printf("stress: %d random events\n", events);
    for (std::int32_t event = 0; event < events; ++event) {
        randomEvent();
        window->update();
        checkInvariants(event);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
