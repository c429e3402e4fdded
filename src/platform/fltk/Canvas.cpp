#include "Canvas.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "Surface.h"
#include "SurfacePainting.h"
#include "VirtualKey.h"

namespace {
constexpr std::uint32_t VK_MENU = 0x12;  // the Alt key
constexpr int WHEEL_DELTA = 120;
}  // namespace

Canvas::Canvas(const Surface& surface, PostMessage post)
    : Fl_Widget(0, 0, surface.width(), surface.height()), surface_(surface), post_(std::move(post)) {}

int Canvas::handle(int event) {
    switch (event) {
    case FL_PUSH: return postButton(true);
    case FL_RELEASE: return postButton(false);
    case FL_MOUSEWHEEL: return postWheel();
    case FL_KEYDOWN: return postKey(true);
    case FL_KEYUP: return postKey(false);
    case FL_DRAG:
    case FL_MOVE:
    case FL_ENTER:
    case FL_LEAVE:
    case FL_FOCUS:
    case FL_UNFOCUS: return 1;
    default: return Fl_Widget::handle(event);
    }
}

int Canvas::postButton(bool down) {
    std::uint32_t message = 0;
    switch (Fl::event_button()) {
    case FL_LEFT_MOUSE: message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
    case FL_MIDDLE_MOUSE: message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
    case FL_RIGHT_MOUSE: message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
    default: return 1;  // FLTK 1.3 reports no extra buttons we could name
    }
    post_(message, 0, makeLParam(static_cast<std::uint16_t>(Fl::event_x()), static_cast<std::uint16_t>(Fl::event_y())));
    return 1;
}

int Canvas::postWheel() {
    if (Fl::event_dy() == 0) return 0;  // sideways scrolling has no message here
    // FLTK counts notches towards the user as positive; Windows counts away from the user.
    const int delta = std::clamp(-Fl::event_dy() * WHEEL_DELTA, -32768, 32767);
    post_(WM_MOUSEWHEEL, makeWParam(0, static_cast<std::uint16_t>(static_cast<std::int16_t>(delta))),
          makeLParam(static_cast<std::uint16_t>(Fl::event_x_root()), static_cast<std::uint16_t>(Fl::event_y_root())));
    return 1;
}

int Canvas::postKey(bool down) {
    const std::uint32_t code = virtualKey(Fl::event_key());
    if (code == 0) return 1;
    const bool system = Fl::event_state(FL_ALT) != 0 || code == VK_MENU;
    const std::uint32_t message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    post_(message, code, 0);
    return 1;
}

void Canvas::draw() {
    int X, Y, W, H;
    fl_clip_box(x(), y(), w(), h(), X, Y, W, H);
    paintSurface(surface_, X, Y, W, H);
    redrawControlsInClip();
}

// The controls lie on top of the canvas: whatever it just painted over must be drawn
// again. The window draws its children in order after this one, and draws those that
// are marked damaged.
void Canvas::redrawControlsInClip() {
    Fl_Group* window = parent();
    if (window == nullptr) return;
    for (int i = window->find(this) + 1; i < window->children(); ++i) {
        Fl_Widget* control = window->child(i);
        if (control->visible() && fl_not_clipped(control->x(), control->y(), control->w(), control->h()))
            control->clear_damage(FL_DAMAGE_ALL);
    }
}
