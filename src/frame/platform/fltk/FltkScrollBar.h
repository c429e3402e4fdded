#pragma once
// A scroll bar that reports what the user does to it (arrow and trough clicks, thumb drags,
// releases) with the Win32 request codes and never moves itself: it shows only the
// position the program sets.
#include <FL/Fl_Widget.H>

#include "MessagePost.h"
#include "ScrollBarGeometry.h"

class FltkScrollBar : public Fl_Widget {
public:
    FltkScrollBar(bool vertical, Notify notify);
    ~FltkScrollBar() override;

    void setRange(std::int32_t minimum, std::int32_t maximum);
    // Kept inside the range.
    void setPosition(std::int32_t position);
    std::int32_t position() const { return position_; }

    int handle(int event) override;

protected:
    void draw() override;

private:
    using Part = ScrollBarGeometry::Part;

    ScrollBarGeometry geometry() const;
    std::int32_t pointerOffset() const;
    void press();
    void drag();
    void release();
    void stepRepeatedly();
    // The request a press on this part makes, or false for the thumb and outside.
    bool stepRequest(Part part, std::uint32_t& code) const;
    void report(std::uint32_t code, std::int32_t thumbPosition = 0);
    static void repeatTimer(void* self);
    void drawArrow(std::int32_t start, bool forward, bool pressed);
    void partBox(std::int32_t start, std::int32_t span, int& X, int& Y, int& W, int& H) const;

    bool vertical_;
    Notify notify_;
    std::int32_t minimum_ = 0, maximum_ = 100, position_ = 0;
    Part pressed_ = Part::Outside;
    std::int32_t pointer_ = 0;     // the pointer's offset along the bar while pressed
    std::int32_t grab_ = 0;        // pointer offset less thumb start when the thumb was taken
    std::int32_t tracked_ = 0;     // the last position a thumb drag reported
};
