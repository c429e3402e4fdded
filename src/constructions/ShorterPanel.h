#pragma once
#include <cstdint>

class Panel;

// Makes the drawing panel shorter for as long as it lives, so that a construction with more
// than one row of controls has room for them; afterwards the panel has the height of one row
// again and redraws.
class ShorterPanel {
public:
    ShorterPanel(Panel& drawingPanel, std::int32_t heightOffset);
    ~ShorterPanel();
    ShorterPanel(const ShorterPanel&) = delete;
    ShorterPanel& operator=(const ShorterPanel&) = delete;

private:
    Panel& drawingPanel;
};
