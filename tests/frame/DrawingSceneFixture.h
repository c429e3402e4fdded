#pragma once
// A window on the headless backend, driven frame by frame; the start-up scene in it.
#include <gtest/gtest.h>

#include <memory>

#include "Control.h"
#include "ControlManager.h"
#include "ControlPoint.h"
#include "CurveGen.h"
#include "HeadlessPlatform.h"
#include "Panel.h"
#include "Scene.h"
#include "Tab.h"
#include "Window.h"

enum TabIndex : std::size_t { BSPLINE_TAB, CUBIC_TAB, POLYNOMIAL_TAB, NLI_TAB, BB_TAB, MIDPOINT_TAB };

constexpr Colour WHITE = rgb(255, 255, 255), BLACK = rgb(0, 0, 0), RED = rgb(255, 0, 0), GREEN = rgb(0, 255, 0),
                 BLUE = rgb(0, 0, 255), SHELL_GREY = rgb(128, 128, 128);

// The start-up scene in a 600 x 600 client area (drawing panel at (15, 25), the B-spline selected).
class DrawingSceneFixture : public ::testing::Test {
protected:
    static constexpr std::int32_t LEFT = 15, TOP = 25, TAB_ROW_Y = 17;

    DrawingSceneFixture() { frameAt(0, 0); }
    ~DrawingSceneFixture() override {
        tearDownScene(scene);
        delete window;
        installPlatform(nullptr);
    }

    // One frame with the cursor at (x, y) of the client area, after the message if one is given.
    void frameAt(std::int32_t x, std::int32_t y, std::uint32_t message = 0) {
        if (message != 0) headless->post(message);
        headless->setCursor(x, y);
        window->update();
    }
    void click(std::int32_t x, std::int32_t y) { frameAt(x, y, WM_LBUTTONDOWN), frameAt(x, y, WM_LBUTTONUP); }
    void resize(std::int32_t width, std::int32_t height) { headless->resizeClient(width, height), frameAt(0, 0); }

    std::int32_t tabCentre(std::size_t index) const {
        std::int32_t x = LEFT;
        for (std::size_t i = 0; i < index; ++i) x += scene.tab->entries[i].width;
        return x + scene.tab->entries[index].width / 2;
    }
    void selectTab(std::size_t index) { click(tabCentre(index), TAB_ROW_Y), frameAt(0, 0); }

    void pressIn(std::int32_t x, std::int32_t y) { frameAt(LEFT + x, TOP + y, WM_LBUTTONDOWN); }
    void releaseIn(std::int32_t x, std::int32_t y) { frameAt(LEFT + x, TOP + y, WM_LBUTTONUP); }
    void moveIn(std::int32_t x, std::int32_t y) { frameAt(LEFT + x, TOP + y); }
    void clickIn(std::int32_t x, std::int32_t y) { pressIn(x, y), releaseIn(x, y); }

    // The frame panel's control at the index: "Clear", then the construction's own.
    Control* control(std::size_t index) { return framePanel->controls.at(index); }
    void dragBar(std::size_t index, std::uint16_t position) {
        headless->scroll(control(index)->handle, SB_THUMBTRACK, position);
        frameAt(0, 0);
    }

    ControlPoint& point(std::size_t index) { return *manager->points.at(index); }
    Colour shownIn(std::int32_t x, std::int32_t y) { return headless->windowPixel(LEFT + x, TOP + y); }
    // Whether the colour shows within `radius` pixels (a square) of drawing-panel (x, y).
    bool shownNear(Colour colour, double x, double y, std::int32_t radius = 1) {
        for (std::int32_t dy = -radius; dy <= radius; ++dy)
            for (std::int32_t dx = -radius; dx <= radius; ++dx)
                if (shownIn(std::int32_t(x) + dx, std::int32_t(y) + dy) == colour) return true;
        return false;
    }

    // What the window shows inside the drawing panel, or around it.
    std::vector<Colour> shown(bool inPanel) {
        const Panel& p = *drawingPanel;
        std::vector<Colour> pixels;
        for (std::int32_t y = 0; y < window->height; ++y)
            for (std::int32_t x = 0; x < window->width; ++x)
                if ((x >= p.x && x < p.x + p.width && y >= p.y && y < p.y + p.height) == inPanel)
                    pixels.push_back(headless->windowPixel(x, y));
        return pixels;
    }

    HeadlessPlatform* headless = new HeadlessPlatform;
    // The backend goes in before the window, which asks it for its native one.
    Window* window = (installPlatform(std::unique_ptr<HeadlessPlatform>(headless)), new Window("test", 0, 0, 600, 600));
    Scene scene = buildScene(*window);
    Panel* framePanel = scene.framePanel;
    Panel* drawingPanel = scene.drawingPanel;
    ControlManager* manager = scene.manager;
};
