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
    const std::int32_t top = p.y + p.height + 45;
    shellBar->move(p.x + 110, top);
    shellBar->resize(p.width - 110, 25);
    shellBox->move(p.x, top);
}

bool ShellRow::shown() const { return shellBox->checked != 0; }

float ShellRow::parameter() const { return shellBar->value; }
