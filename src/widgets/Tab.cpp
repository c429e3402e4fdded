#include "Tab.h"

#include <iterator>

#include "Palette.h"
#include "Panel.h"
#include "Window.h"

namespace {
constexpr std::int32_t OUTLINE_PEN = 3;
constexpr std::int32_t BASELINE_PEN = 4;

bool strictlyBetween(std::int32_t low, std::int32_t value, std::int32_t high) { return low < value && value < high; }
}  // namespace

Tab::Tab(Panel* anchor, std::int32_t stripHeight) : Object(KIND_TAB), stripHeight(stripHeight), anchor(anchor) {}

void Tab::addEntry(const char* label, std::int32_t width, GeneratorFactory factory, void* userData) {
    const Rgb colour = TAB_COLOURS[entries.size() % std::size(TAB_COLOURS)];
    entries.push_back(TabEntry{label, width, 0, factory, userData, colour});
}

void Tab::select(std::size_t index) {
    for (TabEntry& entry : entries) entry.selected = 0;
    TabEntry& chosen = entries[index];
    chosen.selected = 1;
    stripColour = chosen.colour;
    owner->dirty = 1;
    hover = static_cast<std::int32_t>(index);
    if (chosen.factory != nullptr) chosen.factory(chosen.userData);
}

void Tab::update() {
    const std::int32_t mx = owner->mouse.x;
    const std::int32_t my = owner->mouse.y;
    const std::int32_t leftDown = (owner->window->mouse.buttons & MOUSE_LEFT) != 0 ? 1 : 0;
    const bool inRow = strictlyBetween(top(), my, bottom());

    if (!(inRow && strictlyBetween(anchor->x, mx, right())) && hover != -1) {
        hover = -1;
        owner->dirty = 1;
    }
    std::int32_t x = anchor->x;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::int32_t width = entries[i].width;
        if (inRow && strictlyBetween(x, mx, x + width)) {
            // Only a press that begins over an unselected tab selects it.
            if (leftWasDown == 0 && leftDown != 0 && entries[i].selected == 0) {
                select(i);
            } else if (hover != static_cast<std::int32_t>(i)) {
                hover = static_cast<std::int32_t>(i);
                owner->dirty = 1;
            }
        }
        x += width;
    }
    leftWasDown = leftDown;
}

void Tab::draw() {
    drawBackgrounds();
    drawOutlines();
    drawBaseline();
    drawAnchorFrame();
}

std::int32_t Tab::top() const { return anchor->y - stripHeight; }

std::int32_t Tab::bottom() const { return anchor->y; }

std::int32_t Tab::right() const {
    std::int32_t x = anchor->x;
    for (const TabEntry& entry : entries) x += entry.width;
    return x;
}

void Tab::drawBackgrounds() {
    std::int32_t x = anchor->x;
    for (const TabEntry& entry : entries) {
        owner->fillRect(x, top(), x + entry.width, bottom(), TAB_FACE_COLOUR.red, TAB_FACE_COLOUR.green,
                        TAB_FACE_COLOUR.blue);
        owner->drawText(x + 2, top(), entry.label);
        x += entry.width;
    }
}

void Tab::drawOutlines() {
    // One pixel left of the backgrounds, so the outline's left side covers the previous tab's edge.
    std::int32_t x = anchor->x - 1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TabEntry& entry = entries[i];
        if (static_cast<std::int32_t>(i) == hover) drawTabOutline(x, x + entry.width, entry.colour);
        if (entry.selected != 0) drawTabOutline(x, x + entry.width, stripColour);
        x += entry.width;
    }
}

void Tab::drawBaseline() {
    // Left open under the selected tab, so that tab opens into the anchor.
    std::int32_t x = anchor->x - 1;
    for (const TabEntry& entry : entries) {
        if (entry.selected == 0) drawLine(x, bottom(), x + entry.width, bottom(), BASELINE_PEN, stripColour);
        x += entry.width;
    }
    drawLine(x, bottom(), anchor->x + anchor->width, bottom(), BASELINE_PEN, stripColour);
}

void Tab::drawAnchorFrame() {
    // The anchor's own image later covers the inner half of these lines.
    const std::int32_t left = anchor->x, right = anchor->x + anchor->width;
    const std::int32_t upper = anchor->y, lower = anchor->y + anchor->height;
    drawLine(left, upper, left, lower, BASELINE_PEN, stripColour);
    drawLine(left, lower, right, lower, BASELINE_PEN, stripColour);
    drawLine(right, lower, right, upper, BASELINE_PEN, stripColour);
}

void Tab::drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                   Rgb colour) {
    owner->drawLine(x1, y1, x2, y2, penWidth, colour.red, colour.green, colour.blue);
}

void Tab::drawTabOutline(std::int32_t left, std::int32_t right, Rgb colour) {
    drawLine(left, top(), left, bottom(), OUTLINE_PEN, colour);
    drawLine(left, top(), right, top(), OUTLINE_PEN, colour);
    drawLine(right, top(), right, bottom(), OUTLINE_PEN, colour);
}
