#include "ShellRow.h"

#include "CheckBox.h"
#include "GeneratorControls.h"
#include "ScrollBar.h"

// The bar keeps its default range 0 .. 1000 and starts in the middle.
ShellRow::ShellRow(Panel& panel)
    : shellBar(createGeneratorBar(panel)), shellBox(createShellBox(panel)), drawingPanel(panel) {}

ShellRow::~ShellRow() {
    deleteControl(*drawingPanel.parent, shellBar);
    deleteControl(*drawingPanel.parent, shellBox);
}

void ShellRow::layout() {
    const Panel& p = drawingPanel;
    const std::int32_t top = p.y + p.height + SECOND_ROW_TOP;
    shellBar->move(p.x + BAR_INDENT, top);
    shellBar->resize(p.width - BAR_INDENT, ROW_HEIGHT);
    shellBox->move(p.x, top);
}

bool ShellRow::shown() const { return shellBox->checked != 0; }

float ShellRow::parameter() const { return shellBar->value; }
