#include "ControlManager.h"

#include "Button.h"
#include "ControlPoint.h"
#include "CurveGen.h"
#include "Palette.h"
#include "Panel.h"
#include "Platform.h"
#include "Window.h"

namespace {
constexpr std::int32_t POINT_RADIUS = 6;
constexpr std::int32_t CLEAR_GAP = 10;  // between the drawing panel's bottom edge and "Clear"
}  // namespace

ControlManager::ControlManager() : Object(KIND_CONTROL_MANAGER) {}

void ControlManager::attached() {
    clearButton = new Button(owner->window, 15, 555, 100, 25, "Clear");
    // Only top-level panels receive window messages, so the button lives in the parent.
    owner->parent->addControl(clearButton);
    clearButton->callback = clear;
    clearButton->userData = this;
}

void ControlManager::update() {
    const std::int32_t leftDown = (owner->mouse.buttons & MOUSE_LEFT) != 0 ? 1 : 0;
    if (owner->mouseInside != 0 && leftWasDown == 0 && leftDown != 0) {
        // The keys come back from an edit box, so Escape works again without "Clear".
        platform().setFocus(owner->window->nativeHandle());
        // A press on a point starts that point's drag in its own update instead.
        if (!anyPointHit()) {
            auto* point = new ControlPoint(owner->mouse.x, owner->mouse.y, POINT_RADIUS);
            owner->addObject(point);
            points.push_back(point);
            owner->dirty = 1;
        }
    }
    leftWasDown = leftDown;
}

void ControlManager::draw() {
    if (showPolygon != 0) {
        for (std::size_t i = 1; i < points.size(); ++i)
            owner->drawLine(points[i - 1]->x, points[i - 1]->y, points[i]->x, points[i]->y, 2, POLYGON_COLOUR.red,
                            POLYGON_COLOUR.green, POLYGON_COLOUR.blue);
    }
    if (generator != nullptr) generator->drawCurve(points);
}

void ControlManager::resized(std::int32_t width, std::int32_t height) {
    clearButton->move(owner->x + width - clearButton->width, owner->y + height + CLEAR_GAP);
    if (generator != nullptr) generator->layout();
    owner->dirty = 1;
}

void ControlManager::clear(void* userData) {
    auto* manager = static_cast<ControlManager*>(userData);
    for (ControlPoint* point : manager->points) {
        manager->owner->removeObject(point);
        delete point;
    }
    manager->points.clear();
    manager->owner->dirty = 1;
}

bool ControlManager::anyPointHit() const {
    for (const ControlPoint* point : points)
        if (point->hit()) return true;
    return false;
}
