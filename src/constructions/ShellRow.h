#pragma once
#include <cstdint>

class CheckBox;
class Panel;
class ScrollBar;

// The second row of the constructions that can show their shells: the "Draw Shells" box and,
// beside it, the bar that picks the parameter at which the shells are drawn.
class ShellRow {
public:
    // Creates the bar, then the box, in the drawing panel's parent (the order of its list).
    explicit ShellRow(Panel& drawingPanel);
    ~ShellRow();
    ShellRow(const ShellRow&) = delete;
    ShellRow& operator=(const ShellRow&) = delete;

    // One row below the resolution row: the box at the panel's left edge, the bar reaching
    // the panel's right edge.
    void layout();
    bool shown() const;
    // The bar's position / 1000, in 0 .. 1.
    float parameter() const;

    ScrollBar* shellBar;
    CheckBox* shellBox;

private:
    Panel& drawingPanel;
};
