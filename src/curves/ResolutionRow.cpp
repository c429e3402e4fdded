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
    resLabel->x = p.x;
    resLabel->y = p.y + p.height + 14;
    resBar->move(p.x + labelWidth + 10, p.y + p.height + 10);
    resBar->resize(p.width - labelWidth - 120, 25);
}

std::int32_t ResolutionRow::resolution() const { return resBar->position; }
