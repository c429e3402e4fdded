// Random use, seeded, its count printed and set by the environment: StressTest's events, the scene
// checked after each one's frame; TextFuzzTest's texts through the "Knots: " and "Degree:" notifications.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <regex>
#include <string>

#include "BSpline.h"
#include "Button.h"
#include "DrawingSceneFixture.h"

namespace {
using Role = HeadlessControl::Role;

const char* const SEEDS[] = {"0, 1, 2, 3, 4, 5, 6, 7, 8, 9", "0 0 0 0 1 2 2 2 2", "-1, 0", "3, 2, 1",
                             "1e5, -3e-2, +7, .5", "nan, inf, -inf", "1e39, 1e-46, -0", "0x1p10 0x10",
                             "999999999999999999999999999999999999999999999", " ,\t\n\r", "12x", "-2147483649", "1000000000"};

struct RandomUse : DrawingSceneFixture {
    static int count(const char* variable, int otherwise) {
        const char* setting = std::getenv(variable);
        return setting != nullptr ? std::max(1, std::atoi(setting)) : otherwise;
    }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(between(0, static_cast<int>(n) - 1)); }
    template <typename T> T pick(std::initializer_list<T> choices) { return choices.begin()[below(choices.size())]; }
    // Up to 255 characters, what an edit box hands over: a few edits to the text or a seed.
    std::string mutated(std::string text) {
        if (below(8) == 0) text = SEEDS[below(std::size(SEEDS))];
        for (std::size_t edits = below(6); edits > 0; --edits) {
            const std::size_t at = below(text.size() + 1);
            switch (below(4)) {
            case 0: text.insert(at, 1, static_cast<char>(between(1, 255))); break;
            case 1: text.insert(at, 1, ",- .e0123456789"[below(15)]); break;
            case 2: text.erase(at, below(4) + 1); break;
            default: text.insert(at, SEEDS[below(std::size(SEEDS))]); break;
            }
        }
        return text.substr(0, 255);
    }

    std::mt19937 random{20261207};
};

struct StressTest : RandomUse {
    NativeHandle anyLive(std::initializer_list<Role> roles) {
        const std::vector<NativeHandle> live = headless->liveControls(roles);
        return live.empty() ? 0 : live[below(live.size())];
    }
    // Mostly the window and just outside it, sometimes anywhere at all.
    int coordinate(int extent) { return below(21) == 0 ? pick({INT32_MIN, INT32_MAX, -1, 0}) : between(-50, extent); }

    void randomEvent() {
        switch (between(0, 11)) {
        case 0:
        case 1: headless->setCursor(coordinate(window->width + 50), coordinate(window->height + 50)); break;
        case 2:
            headless->post(pick({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                                 WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_XBUTTONDOWN, WM_XBUTTONUP}),
                           makeWParam(0, static_cast<std::uint16_t>(between(0, 3))));
            break;
        case 3: headless->post(WM_MOUSEWHEEL, makeWParam(0, static_cast<std::uint16_t>(between(0, 0xFFFF)))); break;
        case 4: click(tabCentre(below(MIDPOINT_TAB + 1)), TAB_ROW_Y); break;
        case 5:  // "Clear" only now and then, so the points come and go
            if (auto button = anyLive({Role::PushButton, Role::CheckBox}); button != manager->clearButton->handle || below(9) == 0)
                headless->click(button);
            break;
        case 6:
            headless->scroll(anyLive({Role::ScrollBar}), static_cast<std::uint32_t>(between(0, 8)),
                             static_cast<std::uint16_t>(between(0, 0xFFFF)));
            break;
        case 7: headless->typeText(anyLive({Role::EditBox}), mutated("")); break;
        case 8:
            headless->post(pick({WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP}),
                           static_cast<WPARAM>(pick<int>({between(0, 255), between(256, 0x7FFFFFFF), VK_ESCAPE})));
            break;
        case 9:
            if (below(21) == 0) {
                const bool extreme = below(5) == 0;
                // Extremes include drawing panels of one pixel and of none (the rows below stay).
                const int width = extreme ? pick({0, 1, 2 * LEFT, 2 * LEFT + 1, 4000}) : between(200, 900);
                const int rows = window->height - drawingPanel->height;
                headless->resizeClient(width, extreme ? pick({0, 1, rows, rows + 1, 3000}) : between(200, 900));
            }
            break;
        case 10:
            if (const bool minimise = below(2) == 0; below(11) == 0) {
                const Size size = headless->clientSize(window->nativeHandle());
                headless->post(WM_SIZE, minimise ? SIZE_MINIMIZED : SIZE_RESTORED,
                               minimise ? 0 : makeLParam(size.width, size.height));
                headless->post(WM_ACTIVATE, makeWParam(minimise ? WA_INACTIVE : 1, minimise ? 1 : 0));
            }
            break;
        default: clickIn(between(0, drawingPanel->width), between(0, drawingPanel->height)); break;
        }
    }

    // The points are held a radius inside the panel, at its far edge where it is narrower than two
    // radii; each check box has a brush; the B-spline's six controls have three labels, others one.
    void checkInvariants() {
        std::vector<ControlPoint*> pointObjects;
        for (Object* object : drawingPanel->objects)
            if (object->kind == KIND_CONTROL_POINT) pointObjects.push_back(static_cast<ControlPoint*>(object));
        ASSERT_EQ(pointObjects, manager->points);
        for (const ControlPoint* p : pointObjects)
            for (const auto& [at, size] : {std::pair{p->x, drawingPanel->width}, {p->y, drawingPanel->height}})
                ASSERT_TRUE(at <= size - p->radius && at >= std::min(p->radius, size - p->radius)) << at << " in " << size;
        const std::vector<Control*>& controls = framePanel->controls;
        ASSERT_EQ(controls.front(), static_cast<Control*>(manager->clearButton));
        std::vector<NativeHandle> handles;
        for (const Control* control : controls) handles.push_back(control->handle);
        std::sort(handles.begin(), handles.end());
        ASSERT_EQ(handles, headless->liveControls());
        for (const NativeHandle handle : handles) ASSERT_EQ(headless->control(handle)->parent, window->nativeHandle());
        ASSERT_EQ(headless->liveBrushes, static_cast<int>(headless->liveControls({Role::CheckBox}).size()));
        const std::size_t labels = controls.size() == 1 ? 0 : controls.size() == 6 ? 3 : 1;
        ASSERT_EQ(framePanel->objects.size(), labels + 2);  // with the layout and the tab strip
    }
};

TEST_F(StressTest, RandomUseKeepsTheSceneWhole) {
    const int events = count("TESSARY_STRESS_EVENTS", 20000);
    std::printf("stress: %d random events\n", events);
    for (int event = 0; event < events && !HasFatalFailure(); ++event) {
        SCOPED_TRACE(testing::Message() << "event " << event);
        randomEvent();
        window->update();
        checkInvariants();
    }
}

using TextFuzzTest = RandomUse;

// Letters (d: an exponent to msvcrt), or a digit run too long for a float, can spell a non-finite number.
bool maySpellNonFinite(const std::string& text) {
    return text.find_first_of("nNiIeExXpPdD") != std::string::npos || std::regex_search(text, std::regex("[0-9]{39}"));
}

// Knots never decrease, finite unless the text may spell otherwise; the degree is 2 or more; the curve redraws.
TEST_F(TextFuzzTest, AnyTextGivesANonDecreasingKnotListAndADegreeOfAtLeastTwo) {
    auto* bspline = static_cast<BSpline*>(manager->generator);
    for (std::int32_t i = 0; i < 8; ++i) clickIn(40 + 60 * i, i % 2 == 0 ? 60 : 300);
    const int texts = count("TESSARY_FUZZ_TEXTS", 100000);
    std::printf("fuzz: %d random and mutated texts\n", texts);
    std::string text = SEEDS[0];
    for (int i = 0; i < texts; ++i) {
        text = mutated(text);
        const bool degree = below(4) == 0;
        const auto notify = degree ? BSpline::onDegreeEdited : BSpline::onKnotsEdited;
        notify(bspline, std::strcpy(new char[256], text.c_str()));  // it takes the buffer over, as from an edit box
        ASSERT_GE(bspline->curve.degree(), 2) << text;
        const GrowArray<float>& knots = bspline->curve.knots();
        for (std::int32_t k = 0; !degree && k < knots.count(); ++k) {
            ASSERT_TRUE(std::isfinite(knots[k]) || maySpellNonFinite(text)) << "'" << text << "'";
            ASSERT_FALSE(k > 0 && knots[k] < knots[k - 1]) << "'" << text << "'";
        }
        if (i % 500 == 0) frameAt(0, 0);  // the curve redraws with whatever was read
    }
}

}  // namespace
