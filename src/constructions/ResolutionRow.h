#pragma once
#include <cstdint>

class Panel;
class ScrollBar;
class TextObj;

// The "Curve Res:" row below the drawing panel: the resolution bar and its label, in the
// frame panel, alive exactly as long as the generator that holds the row.
class ResolutionRow {
public:
    // The range of every construction's bar but Midpoint's depth: 0 to 20, starting at 10.
    static constexpr std::int32_t DEFAULT_INITIAL = 10;
    static constexpr std::int32_t DEFAULT_MAXIMUM = 20;

    // Creates the bar, then the label, in the drawing panel's parent (the order of its lists).
    explicit ResolutionRow(Panel& panel, std::int32_t initial = DEFAULT_INITIAL,
                           std::int32_t maximum = DEFAULT_MAXIMUM);
    ~ResolutionRow();
    ResolutionRow(const ResolutionRow&) = delete;
    ResolutionRow& operator=(const ResolutionRow&) = delete;

    // Label at the panel's left edge, bar after the label column, both under the panel.
    void layout();
    // For constructions with a row of shell controls below: label and bar indented to line up
    // with the shell bar.
    void layoutIndented();
    std::int32_t resolution() const;

    ScrollBar* resBar;
    std::int32_t labelWidth = 70;
    TextObj* resLabel = nullptr;

private:
    void place(std::int32_t labelX, std::int32_t barX, std::int32_t barWidth);

    Panel& drawingPanel;
};
