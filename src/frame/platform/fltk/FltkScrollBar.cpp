#include "FltkScrollBar.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace {
// Held arrows and trough presses repeat like the desktop's own scroll bars.
constexpr double FIRST_REPEAT_SECONDS = 0.35;
constexpr double NEXT_REPEAT_SECONDS = 0.05;
}  // namespace

FltkScrollBar::FltkScrollBar(bool vertical, Notify notify)
    : Fl_Widget(0, 0, 0, 0), vertical_(vertical), notify_(std::move(notify)) {}

FltkScrollBar::~FltkScrollBar() { Fl::remove_timeout(repeatTimer, this); }

void FltkScrollBar::setRange(std::int32_t minimum, std::int32_t maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    setPosition(position_);
    redraw();
}

void FltkScrollBar::setPosition(std::int32_t position) {
    const std::int32_t kept = std::clamp(position, minimum_, std::max(minimum_, maximum_));
    if (kept == position_) return;
    position_ = kept;
    redraw();
}

int FltkScrollBar::handle(int event) {
    switch (event) {
    case FL_PUSH:
        if (Fl::event_button() == FL_LEFT_MOUSE) press();
        return 1;
    case FL_DRAG: drag(); return 1;
    case FL_RELEASE:
        if (Fl::event_button() == FL_LEFT_MOUSE) release();
        return 1;
    default:
        // The wheel and the keys belong to the main window.
        return 0;
    }
}

ScrollBarGeometry FltkScrollBar::geometry() const {
    return vertical_ ? ScrollBarGeometry(h(), w(), minimum_, maximum_, position_)
                     : ScrollBarGeometry(w(), h(), minimum_, maximum_, position_);
}

std::int32_t FltkScrollBar::pointerOffset() const { return vertical_ ? Fl::event_y() - y() : Fl::event_x() - x(); }

void FltkScrollBar::press() {
    pointer_ = pointerOffset();
    const ScrollBarGeometry bar = geometry();
    pressed_ = bar.partAt(pointer_);
    if (pressed_ == Part::Thumb) {
        grab_ = pointer_ - bar.thumbStart();
        tracked_ = position_;
        return;
    }
    std::uint32_t code = 0;
    if (!stepRequest(pressed_, code)) return;
    report(code);
    Fl::add_timeout(FIRST_REPEAT_SECONDS, repeatTimer, this);
    redraw();
}

void FltkScrollBar::drag() {
    pointer_ = pointerOffset();
    if (pressed_ != Part::Thumb) return;
    const ScrollBarGeometry bar = geometry();
    const std::int32_t thumbStart = pointer_ - grab_;
    // Where the thumb already is, the position is the one it shows: with more positions
    // than pixels, the pixel alone would name a neighbour.
    const std::int32_t dragged = thumbStart == bar.thumbStart() ? position_ : bar.positionForThumbAt(thumbStart);
    if (dragged == tracked_) return;
    tracked_ = dragged;
    report(SB_THUMBTRACK, dragged);
}

void FltkScrollBar::release() {
    Fl::remove_timeout(repeatTimer, this);
    if (pressed_ == Part::Thumb) report(SB_THUMBPOSITION, tracked_);
    report(SB_ENDSCROLL);
    pressed_ = Part::Outside;
    redraw();
}

void FltkScrollBar::repeatTimer(void* self) { static_cast<FltkScrollBar*>(self)->stepRepeatedly(); }

void FltkScrollBar::stepRepeatedly() {
    // Steps pause while the pointer is off the pressed part; paging stops once the
    // program has moved the thumb under the pointer.
    std::uint32_t code = 0;
    if (geometry().partAt(pointer_) == pressed_ && stepRequest(pressed_, code)) report(code);
    Fl::repeat_timeout(NEXT_REPEAT_SECONDS, repeatTimer, this);
}

bool FltkScrollBar::stepRequest(Part part, std::uint32_t& code) const {
    switch (part) {
    case Part::BackArrow: code = SB_LINELEFT; return true;
    case Part::ForwardArrow: code = SB_LINERIGHT; return true;
    case Part::BackTrough: code = SB_PAGELEFT; return true;
    case Part::ForwardTrough: code = SB_PAGERIGHT; return true;
    default: return false;
    }
}

void FltkScrollBar::report(std::uint32_t code, std::int32_t thumbPosition) {
    notify_(makeWParam(static_cast<std::uint16_t>(code), static_cast<std::uint16_t>(thumbPosition)));
}

void FltkScrollBar::draw() {
    const ScrollBarGeometry bar = geometry();
    int X, Y, W, H;
    partBox(0, bar.length(), X, Y, W, H);
    fl_draw_box(FL_FLAT_BOX, X, Y, W, H, fl_color_average(FL_BACKGROUND_COLOR, FL_WHITE, 0.5f));
    drawArrow(0, false, pressed_ == Part::BackArrow);
    drawArrow(bar.length() - bar.arrowLength(), true, pressed_ == Part::ForwardArrow);
    if (bar.thumbLength() == 0) return;
    partBox(bar.thumbStart(), bar.thumbLength(), X, Y, W, H);
    fl_draw_box(FL_UP_BOX, X, Y, W, H, FL_BACKGROUND_COLOR);
}

void FltkScrollBar::drawArrow(std::int32_t start, bool forward, bool pressed) {
    const ScrollBarGeometry bar = geometry();
    int X, Y, W, H;
    partBox(start, bar.arrowLength(), X, Y, W, H);
    if (W <= 0 || H <= 0) return;
    fl_draw_box(pressed ? FL_DOWN_BOX : FL_UP_BOX, X, Y, W, H, FL_BACKGROUND_COLOR);
    // A triangle pointing along the bar: d is the pointing direction, p across it.
    const int size = std::max(2, std::min(W, H) / 5);
    const int sign = forward ? 1 : -1;
    const int dx = vertical_ ? 0 : sign, dy = vertical_ ? sign : 0;
    const int px = dy, py = dx;
    const int cx = X + W / 2, cy = Y + H / 2;
    fl_color(active_r() ? FL_FOREGROUND_COLOR : fl_inactive(FL_FOREGROUND_COLOR));
    fl_polygon(cx + dx * size, cy + dy * size, cx - dx * size + px * 2 * size, cy - dy * size + py * 2 * size,
               cx - dx * size - px * 2 * size, cy - dy * size - py * 2 * size);
}

void FltkScrollBar::partBox(std::int32_t start, std::int32_t span, int& X, int& Y, int& W, int& H) const {
    X = vertical_ ? x() : x() + start;
    Y = vertical_ ? y() + start : y();
    W = vertical_ ? w() : span;
    H = vertical_ ? span : h();
}
