#pragma once
// What every generator's native controls share: how a bar is created, how a control or
// label goes away, and the notification that redraws the curve at once.
#include "Panel.h"

class Control;
class Object;
class ScrollBar;

// The notification of every generator control (scroll bar: the bar; check box: its new state;
// neither is needed). userData is the drawing panel: update and show it at once, so the curve
// follows a dragged bar without waiting for the next frame.
template <typename Ignored>
void redrawPanel(Ignored, void* drawingPanel) {
    auto* panel = static_cast<Panel*>(drawingPanel);
    panel->refresh();
    panel->repaint();
}

// A horizontal bar at (0, 0), 570 x 25, in the frame panel, reporting to redrawPanel.
ScrollBar* createGeneratorBar(Panel& drawingPanel);

// Removes from the panel, then deletes (which destroys a control's native window).
void deleteControl(Panel& framePanel, Control* control);
void deleteLabel(Panel& framePanel, Object* label);
