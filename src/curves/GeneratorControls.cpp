#include "GeneratorControls.h"

#include "Object.h"
#include "ScrollBar.h"

ScrollBar* createGeneratorBar(Panel& drawingPanel) {
    auto* bar = new ScrollBar(drawingPanel.window, 0, 0, 570, 25, 0);
    drawingPanel.parent->addControl(bar);
    bar->callback = redrawPanel<ScrollBar*>;
    bar->userData = &drawingPanel;
    return bar;
}

void deleteControl(Panel& framePanel, Control* control) {
    framePanel.removeControl(control);
    delete control;
}

void deleteLabel(Panel& framePanel, Object* label) {
    framePanel.removeObject(label);
    delete label;
}
