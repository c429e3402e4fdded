#include "FltkScrollBar.h"

#include <FL/Fl.H>

#include <algorithm>

FltkScrollBar::FltkScrollBar(bool vertical, Notify notify)
    : Fl_Scrollbar(0, 0, 0, 0), notify_(std::move(notify)) {
    type(vertical ? FL_VERTICAL : FL_HORIZONTAL);
    callback(changed, this);
    setRange(0, 100);
}

void FltkScrollBar::setRange(std::int32_t minimum, std::int32_t maximum) {
    bounds(minimum, std::max(minimum, maximum));
    setPosition(position_);
}

void FltkScrollBar::setPosition(std::int32_t position) {
    position_ = static_cast<std::int32_t>(clamp(position));
    value(position_);
}

int FltkScrollBar::handle(int event) {
    if (isOtherThanLeftButton(event)) return 1;
    switch (event) {
    case FL_PUSH:
        onArrow_ = pointerOnArrow();
        return Fl_Scrollbar::handle(event);
    case FL_DRAG: {
        // Only a thumb drag changes the value while the pointer moves.
        dragging_ = true;
        const int taken = Fl_Scrollbar::handle(event);
        dragging_ = false;
        return taken;
    }
    case FL_RELEASE:
        Fl_Scrollbar::handle(event);
        if (tracked_) report(SB_THUMBPOSITION, *tracked_);
        tracked_.reset();
        report(SB_ENDSCROLL);
        return 1;
    default:
        // The wheel and the keys belong to the main window.
        return 0;
    }
}

void FltkScrollBar::resize(int X, int Y, int W, int H) {
    Fl_Scrollbar::resize(X, Y, W, H);
    // A square thumb, as a Windows bar has while the program sets no page size.
    const int length = horizontal() ? W : H, thickness = horizontal() ? H : W;
    const int trough = length - 2 * thickness;
    slider_size(trough > 0 ? static_cast<double>(thickness) / trough : 1.0);
}

void FltkScrollBar::changed(Fl_Widget*, void* self) {
    auto* bar = static_cast<FltkScrollBar*>(self);
    bar->request(bar->value());
}

void FltkScrollBar::request(std::int32_t wanted) {
    // The program answers the request by setting a position of its own.
    value(position_);
    if (!dragging_) {
        const bool back = wanted < position_;
        if (onArrow_)
            report(back ? SB_LINELEFT : SB_LINERIGHT);
        else
            report(back ? SB_PAGELEFT : SB_PAGERIGHT);
    } else if (tracked_ != wanted) {
        tracked_ = wanted;
        report(SB_THUMBTRACK, wanted);
    }
}

// The toolkit gives each arrow the bar's thickness once the bar is three times as long.
bool FltkScrollBar::pointerOnArrow() const {
    const int along = horizontal() ? Fl::event_x() - x() : Fl::event_y() - y();
    const int length = horizontal() ? w() : h(), thickness = horizontal() ? h() : w();
    return length >= 3 * thickness && (along < thickness || along >= length - thickness);
}

void FltkScrollBar::report(std::uint32_t code, std::int32_t thumbPosition) {
    notify_(makeWParam(static_cast<std::uint16_t>(code), static_cast<std::uint16_t>(thumbPosition)));
}
