#pragma once
// The toolkit's own scroll bar, made to act as a Windows one: what the user does to it
// (arrow and trough presses, thumb drags, the release) is reported with the Win32 request
// codes, and it shows only the position the program sets.
#include <FL/Fl_Scrollbar.H>

#include <optional>

#include "MessagePost.h"

class FltkScrollBar : public Fl_Scrollbar {
public:
    FltkScrollBar(bool vertical, Notify notify);

    void setRange(std::int32_t minimum, std::int32_t maximum);
    // Kept inside the range.
    void setPosition(std::int32_t position);
    std::int32_t position() const { return position_; }

    int handle(int event) override;
    void resize(int x, int y, int w, int h) override;

private:
    static void changed(Fl_Widget* widget, void* self);
    void request(std::int32_t wanted);
    bool pointerOnArrow() const;
    void report(std::uint32_t code, std::int32_t thumbPosition = 0);

    Notify notify_;
    std::int32_t position_ = 0;
    bool onArrow_ = false;                 // the press being held began on an arrow
    bool dragging_ = false;                // the toolkit is moving the thumb with the pointer
    std::optional<std::int32_t> tracked_;  // the last position a thumb drag reported
};
