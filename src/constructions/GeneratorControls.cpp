#include "GeneratorControls.h"

#include "CheckBox.h"
#include "ControlManager.h"
#include "Object.h"
#include "ScrollBar.h"
#include "SizeController.h"

ScrollBar* createGeneratorBar(Panel& drawingPanel) {
    auto* bar = new ScrollBar(drawingPanel.window, 0, 0, 570, ROW_HEIGHT, 0);
    drawingPanel.parent->addControl(bar);
    bar->callback = redrawPanel<ScrollBar*>;
    bar->userData = &drawingPanel;
    return bar;
}

CheckBox* createShellBox(Panel& drawingPanel) {
    auto* box = new CheckBox(drawingPanel.window, PARKED_X, 0, 100, ROW_HEIGHT, "Draw Shells");
    drawingPanel.parent->addControl(box);
    box->setChecked(1);
    box->callback = redrawPanel<std::int32_t>;
    box->userData = &drawingPanel;
    return box;
}

void deleteControl(Panel& framePanel, Control* control) {
    framePanel.removeControl(control);
    delete control;
}

void deleteLabel(Panel& framePanel, Object* label) {
    framePanel.removeObject(label);
    delete label;
}

void showControlPolygon(Panel& drawingPanel, std::int32_t shown) {
    for (Object* object : drawingPanel.objects)
        if (object->kind == KIND_CONTROL_MANAGER) static_cast<ControlManager*>(object)->showPolygon = shown;
}

void setPanelHeightOffset(Panel& drawingPanel, std::int32_t offset) {
    for (Object* object : drawingPanel.objects) {
        if (object->kind != KIND_SIZE_CONTROLLER) continue;
        auto* layout = static_cast<SizeController*>(object);
        layout->heightRule.setOffset(offset);
        layout->lastWindowWidth = layout->lastWindowHeight = -1;
    }
}
