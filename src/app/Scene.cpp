#include "Scene.h"

#include "ControlManager.h"
#include "CurveGen.h"
#include "GeneratorControls.h"
#include "GeneratorFactories.h"
#include "Palette.h"
#include "Panel.h"
#include "SizeController.h"
#include "Tab.h"
#include "VariableWidth.h"
#include "Window.h"

namespace {

// The drawing panel's margins in the frame: beside it, and above it, where the tabs stand
// TAB_HEIGHT tall on its top edge (the margin below is the height offset of its rows of controls).
constexpr std::int32_t SIDE_MARGIN = 15;
constexpr std::int32_t TOP_MARGIN = 25;
constexpr std::int32_t TAB_HEIGHT = 15;

void paintBackground(Panel& panel, Rgb colour) {
    panel.red = colour.red;
    panel.green = colour.green;
    panel.blue = colour.blue;
    panel.clear();
}

Panel* createFramePanel(Window& window) {
    Panel* frame = window.createPanel(300, 300);
    paintBackground(*frame, FRAME_PANEL_COLOUR);
    frame->addObject(new VariableWidth(1.0f, 1.0f));
    return frame;
}

SizeController* addDrawingLayout(Panel& drawing) {
    auto* layout = new SizeController;
    drawing.addObject(layout);
    layout->leftRule.enable();
    layout->leftRule.setOffset(SIDE_MARGIN);
    layout->widthRule.enable();
    layout->widthRule.setOffset(-2 * SIDE_MARGIN);
    layout->widthRule.setFactor(1.0f);
    layout->topRule.enable();
    layout->topRule.setOffset(TOP_MARGIN);
    layout->heightRule.enable();
    layout->heightRule.setOffset(ONE_ROW_HEIGHT_OFFSET);
    layout->heightRule.setFactor(1.0f);
    return layout;
}

Tab* addTabStrip(Panel& frame, Panel& drawing, ControlManager& manager) {
    auto* tab = new Tab(&drawing, TAB_HEIGHT);
    frame.addObject(tab);
    tab->addEntry("DeBoor Splines", 110, createBSpline, &manager);
    tab->addEntry("Cubic Splines", 95, createCubic, &manager);
    tab->addEntry("Polynomial", 85, createPolynomial, &manager);
    tab->addEntry("NLI", 75, createNLI, &manager);
    tab->addEntry("BB-Form", 75, createBB, &manager);
    tab->addEntry("Midpoint", 75, createMidpoint, &manager);
    return tab;
}

}  // namespace

Scene buildScene(Window& window) {
    Scene scene;
    scene.window = &window;
    scene.framePanel = createFramePanel(window);

    scene.drawingPanel = scene.framePanel->createChild(300, 500);
    paintBackground(*scene.drawingPanel, DRAWING_PANEL_COLOUR);
    scene.sizeController = addDrawingLayout(*scene.drawingPanel);

    // Added only now that the drawing panel has its parent: the manager puts "Clear" there.
    scene.manager = new ControlManager;
    scene.drawingPanel->addObject(scene.manager);

    scene.tab = addTabStrip(*scene.framePanel, *scene.drawingPanel, *scene.manager);
    scene.tab->select(0);
    return scene;
}

void tearDownScene(Scene& scene) {
    delete scene.manager->generator;
    scene.manager->generator = nullptr;
}
