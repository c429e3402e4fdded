#include "ShorterPanel.h"

#include "GeneratorControls.h"

ShorterPanel::ShorterPanel(Panel& panel, std::int32_t heightOffset) : drawingPanel(panel) {
    setPanelHeightOffset(drawingPanel, heightOffset);
}

ShorterPanel::~ShorterPanel() {
    drawingPanel.dirty = 1;
    setPanelHeightOffset(drawingPanel, ONE_ROW_HEIGHT_OFFSET);
}
