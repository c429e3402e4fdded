#pragma once
// The grey frame panel and the white drawing panel with its control-point manager, laid out
// as the program lays them out (drawing panel at (15, 25), 30 narrower and 65 lower than the
// client area). Tests add the tab strip or a construction themselves.
#include "ControlManager.h"
#include "ControlPoint.h"
#include "CurveGen.h"
#include "HeadlessFixture.h"
#include "Panel.h"
#include "SizeController.h"
#include "VariableWidth.h"

class DrawingSceneFixture : public HeadlessFixture {
protected:
    static constexpr std::int32_t LEFT = 15;
    static constexpr std::int32_t TOP = 25;

    DrawingSceneFixture() {
        openWindow(600, 600);
        framePanel = window->createPanel(300, 300);
        framePanel->red = framePanel->green = framePanel->blue = 200;
        framePanel->addObject(new VariableWidth(1.0f, 1.0f));
        drawingPanel = framePanel->createChild(300, 500);
        drawingPanel->red = drawingPanel->green = drawingPanel->blue = 255;
        auto* layout = new SizeController;
        drawingPanel->addObject(layout);
        layout->leftRule.enable();
        layout->leftRule.setOffset(LEFT);
        layout->widthRule.enable();
        layout->widthRule.setOffset(-30);
        layout->topRule.enable();
        layout->topRule.setOffset(TOP);
        layout->heightRule.enable();
        layout->heightRule.setOffset(-65);
        manager = new ControlManager;
        drawingPanel->addObject(manager);
        frameAt(0, 0);
    }
    // The construction goes first: its controls and labels leave the frame panel's lists.
    ~DrawingSceneFixture() override { delete manager->generator; }

    // Mouse actions at drawing-panel coordinates.
    void pressIn(std::int32_t x, std::int32_t y) { press(LEFT + x, TOP + y); }
    void releaseIn(std::int32_t x, std::int32_t y) { release(LEFT + x, TOP + y); }
    void moveIn(std::int32_t x, std::int32_t y) { frameAt(LEFT + x, TOP + y); }
    void clickIn(std::int32_t x, std::int32_t y) {
        pressIn(x, y);
        releaseIn(x, y);
    }

    ControlPoint& point(std::size_t index) { return *manager->points.at(index); }
    // What the window shows at drawing-panel coordinates.
    Colour shownIn(std::int32_t x, std::int32_t y) { return headless->windowPixel(LEFT + x, TOP + y); }
    // Whether the colour shows within `radius` pixels (a square) of drawing-panel (x, y).
    bool shownNear(Colour colour, double x, double y, std::int32_t radius = 1) {
        const auto cx = static_cast<std::int32_t>(x), cy = static_cast<std::int32_t>(y);
        for (std::int32_t dy = -radius; dy <= radius; ++dy)
            for (std::int32_t dx = -radius; dx <= radius; ++dx)
                if (shownIn(cx + dx, cy + dy) == colour) return true;
        return false;
    }

    Panel* framePanel = nullptr;
    Panel* drawingPanel = nullptr;
    ControlManager* manager = nullptr;
};
