#pragma once
// What every generator's native controls share: how a bar is created, how a control or
// label goes away, and the notification that redraws the curve at once.
#include <cstdint>

#include "Panel.h"

class Control;
class Object;
class ScrollBar;
class CheckBox;

// Where the constructions' controls go, in the frame panel. Rows lie below the drawing panel,
// their tops measured from its bottom edge; a label's text stands LABEL_DROP below its row's top.
constexpr std::int32_t ROW_HEIGHT = 25;  // of every bar, box and edit box
constexpr std::int32_t FIRST_ROW_TOP = 10;
constexpr std::int32_t SECOND_ROW_TOP = 45;
constexpr std::int32_t THIRD_ROW_TOP = 85;
constexpr std::int32_t LABEL_DROP = 4;
// Where a bar starts beside the label or box in front of it, from the panel's left edge.
constexpr std::int32_t BAR_INDENT = 110;
// Controls wait off-screen until their construction lays them out.
constexpr std::int32_t PARKED_X = 8000;

// The notification of every generator control (scroll bar: the bar; check box: its new state;
// neither is needed). userData is the drawing panel: update and show it at once, so the curve
// follows a dragged bar without waiting for the next frame. The refresh redraws the panel and
// its parents; a repaint after it would only draw the same pixels again.
template <typename Ignored>
void redrawPanel(Ignored, void* drawingPanel) {
    static_cast<Panel*>(drawingPanel)->refresh();
}

// A horizontal bar at (0, 0), 570 x ROW_HEIGHT, in the frame panel, reporting to redrawPanel.
ScrollBar* createGeneratorBar(Panel& drawingPanel);
// The ticked "Draw Shells" box, 100 x ROW_HEIGHT, parked at (PARKED_X, 0) until laid out,
// in the frame panel, reporting to redrawPanel.
CheckBox* createShellBox(Panel& drawingPanel);

// Removes from the panel, then deletes (which destroys a control's native window).
void deleteControl(Panel& framePanel, Control* control);
void deleteLabel(Panel& framePanel, Object* label);

// Shows or hides the black control polygon of every control-point manager of the drawing panel.
void showControlPolygon(Panel& drawingPanel, std::int32_t shown);
// The drawing panel's height offset with one, two or three rows of controls below it.
constexpr std::int32_t ONE_ROW_HEIGHT_OFFSET = -65;
constexpr std::int32_t TWO_ROWS_HEIGHT_OFFSET = -110;
constexpr std::int32_t THREE_ROWS_HEIGHT_OFFSET = -150;
// Sets the height rule's offset of every size controller of the drawing panel and makes it lay
// the panel out again at its next update, so generators with more rows of controls get room.
void setPanelHeightOffset(Panel& drawingPanel, std::int32_t offset);
