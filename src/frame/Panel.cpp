#include "Panel.h"

#include <algorithm>

#include "Control.h"
#include "Object.h"
#include "Platform.h"
#include "Saturate.h"
#include "Window.h"

namespace {
// A window coordinate relative to the panel; the cursor may be anywhere, so saturate.
std::int32_t relative(std::int32_t windowCoordinate, std::int32_t panelPosition) {
    return saturateToInt32(std::int64_t{windowCoordinate} - panelPosition);
}
}  // namespace

Panel::Panel(Window* window, std::int32_t width, std::int32_t height)
    : width(width), height(height), window(window), backBuffer(createSurface(width, height)) {}

Panel::~Panel() {
    for (Panel* child : children) delete child;
    for (Object* object : objects) delete object;
    for (Control* control : controls) delete control;
}

Panel* Panel::createChild(std::int32_t childWidth, std::int32_t childHeight) {
    Panel* child = new Panel(window, childWidth, childHeight);
    children.push_back(child);
    child->parent = this;
    return child;
}

void Panel::addObject(Object* object) {
    objects.push_back(object);
    object->owner = this;
    object->attached();
}

void Panel::addControl(Control* control) { controls.push_back(control); }

void Panel::removeObject(Object* object) {
    auto found = std::find(objects.begin(), objects.end(), object);
    if (found != objects.end()) objects.erase(found);
}

void Panel::removeControl(Control* control) {
    auto found = std::find(controls.begin(), controls.end(), control);
    if (found != controls.end()) controls.erase(found);
}

void Panel::update() {
    mouse = window->mouse;
    mouse.x = relative(window->mouse.x, x);
    mouse.y = relative(window->mouse.y, y);
    mouseInside = (mouse.x >= 0 && mouse.x <= width && mouse.y >= 0 && mouse.y <= height) ? 1 : 0;

    // Objects may add or remove objects while they update: read the length afresh each step.
    for (std::size_t i = 0; i < objects.size(); ++i) objects[i]->update();
    const std::size_t controlCount = controls.size();
    for (std::size_t i = 0; i < controlCount && i < controls.size(); ++i) controls[i]->poll();
    const std::size_t childCount = children.size();
    for (std::size_t i = 0; i < childCount; ++i) children[i]->update();

    if (dirty != 0) {
        redraw();
        dirty = 0;
        if (parent != nullptr) parent->dirty = 1;
    }
}

void Panel::refresh() {
    dirty = 1;
    update();
    for (Panel* ancestor = parent; ancestor != nullptr; ancestor = ancestor->parent) {
        ancestor->dirty = 1;
        ancestor->update();
    }
}

void Panel::repaint() {
    for (Panel* panel = this; panel != nullptr; panel = panel->parent) panel->redraw();
}

void Panel::resize(std::int32_t newWidth, std::int32_t newHeight) {
    backBuffer = createSurface(newWidth, newHeight);
    width = newWidth;
    height = newHeight;
    const std::size_t objectCount = objects.size();
    for (std::size_t i = 0; i < objectCount && i < objects.size(); ++i) objects[i]->resized(newWidth, newHeight);
    dirty = 1;
    repaint();
}

void Panel::clear() { fillRect(0, 0, width, height, red, green, blue); }

void Panel::drawObjects() {
    const std::size_t objectCount = objects.size();
    for (std::size_t i = 0; i < objectCount && i < objects.size(); ++i) objects[i]->draw();
}

void Panel::blitChildren() {
    for (Panel* child : children) backBuffer->blit(child->x, child->y, child->width, child->height, *child->backBuffer, 0, 0);
}

void Panel::blitControls() {
    for (Control* control : controls)
        platform().copyControlImage(control->handle, *backBuffer, control->x, control->y, control->width,
                                    control->height);
}

void Panel::redraw() {
    clear();
    drawObjects();
    blitChildren();
    blitControls();
    copyToWindow();
}

void Panel::copyToWindow() {
    Surface* windowContext = window->deviceContext();
    if (windowContext != nullptr) windowContext->blit(x, y, width, height, *backBuffer, 0, 0);
}

void Panel::drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                     std::int32_t r, std::int32_t g, std::int32_t b) {
    backBuffer->drawLine(x1, y1, x2, y2, penWidth, rgb(r, g, b));
}

void Panel::fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, std::int32_t r,
                     std::int32_t g, std::int32_t b) {
    backBuffer->fillRect(left, top, right, bottom, rgb(r, g, b));
}

void Panel::drawCircle(std::int32_t centreX, std::int32_t centreY, std::int32_t radius, std::int32_t penWidth,
                       std::int32_t fillRed, std::int32_t fillGreen, std::int32_t fillBlue, std::int32_t lineRed,
                       std::int32_t lineGreen, std::int32_t lineBlue) {
    // Far-away centres must not overflow the box arithmetic.
    const std::int64_t cx = centreX, cy = centreY, r = radius;
    backBuffer->drawEllipse(saturateToInt32(cx - r), saturateToInt32(cy - r), saturateToInt32(cx + r),
                            saturateToInt32(cy + r), penWidth,
                            rgb(lineRed, lineGreen, lineBlue), rgb(fillRed, fillGreen, fillBlue));
}

void Panel::drawDisc(std::int32_t centreX, std::int32_t centreY, std::int32_t radius, std::int32_t r,
                     std::int32_t g, std::int32_t b) {
    drawCircle(centreX, centreY, radius, 0, r, g, b, r, g, b);
}

void Panel::drawText(std::int32_t textX, std::int32_t textY, const char* text) {
    backBuffer->drawText(textX, textY, text);
}
