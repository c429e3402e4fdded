#pragma once
#include <cstdint>
#include <vector>

#include "Object.h"
#include "TabEntry.h"

class Panel;

// A row of tabs drawn in the owner panel directly above the anchor panel. Pressing an
// unselected tab selects it and calls its factory; the anchor is framed in the colour of
// the selected tab.
class Tab : public Object {
public:
    Tab(Panel* anchor, std::int32_t stripHeight);

    void addEntry(const char* label, std::int32_t width, GeneratorFactory factory, void* userData);
    void select(std::size_t index);
    void update() override;
    void draw() override;

    std::int32_t hover = -1;
    std::int32_t leftWasDown = 0;
    std::int32_t stripHeight;
    Rgb stripColour;
    Panel* anchor;
    std::vector<TabEntry> entries;

private:
    std::int32_t top() const;
    std::int32_t bottom() const;
    std::int32_t right() const;
    void drawBackgrounds();
    void drawOutlines();
    void drawBaseline();
    void drawAnchorFrame();
    void drawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t penWidth,
                  Rgb colour);
    // The three sides of a tab's outline, open at the bottom.
    void drawTabOutline(std::int32_t left, std::int32_t right, Rgb colour);
};
