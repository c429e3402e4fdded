#include "ResolutionRow.h"

#include "GeneratorControls.h"
#include "ScrollBar.h"
#include "TextObj.h"

ResolutionRow::ResolutionRow(Panel& panel, std::int32_t initial, std::int32_t maximum)
    : resBar(createGeneratorBar(panel)), drawingPanel(panel) {
    // The position goes in while the bar still has its default range (0 to 1000), so
    // narrowing the range afterwards keeps it.
    resBar->setPosition(initial);
    resBar->setRange(maximum);
    resBar->lineStep = 1;
    resBar->pageStep = 1;
    resLabel = new TextObj("Curve Res:");
    panel.parent->addObject(resLabel);
}

ResolutionRow::~ResolutionRow() {
    deleteControl(*drawingPanel.parent, resBar);
    deleteLabel(*drawingPanel.parent, resLabel);
}

void ResolutionRow::layout() {
    const Panel& p = drawingPanel;
    place(p.x, p.x + labelWidth + 10, p.width - labelWidth - 120);
}

void ResolutionRow::layoutIndented() {
    const Panel& p = drawingPanel;
    place(p.x + 25, p.x + BAR_INDENT, p.width - p.x - 205);
}

void ResolutionRow::place(std::int32_t labelX, std::int32_t barX, std::int32_t barWidth) {
    const std::int32_t bottom = drawingPanel.y + drawingPanel.height;
    resLabel->x = labelX;
    resLabel->y = bottom + FIRST_ROW_TOP + LABEL_DROP;
    resBar->move(barX, bottom + FIRST_ROW_TOP);
    resBar->resize(barWidth, ROW_HEIGHT);
}

std::int32_t ResolutionRow::resolution() const { return resBar->position; }
