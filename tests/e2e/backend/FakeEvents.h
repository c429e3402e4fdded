#pragma once
// Hands FLTK events straight to a widget, as the toolkit's dispatch would, without a display.
#include <FL/Fl.H>
#include <FL/Fl_Widget.H>

#include <ostream>
#include <vector>

#include "Messages.h"

inline int sendEvent(Fl_Widget& widget, int event) {
    Fl::e_number = event;
    return widget.handle(event);
}

inline int sendMouse(Fl_Widget& widget, int event, int x, int y, int button = FL_LEFT_MOUSE) {
    Fl::e_x = Fl::e_x_root = x;
    Fl::e_y = Fl::e_y_root = y;
    Fl::e_keysym = FL_Button + button;
    return sendEvent(widget, event);
}

inline int sendKey(Fl_Widget& widget, int event, int key, int state = 0) {
    Fl::e_keysym = key;
    Fl::e_state = state;
    const int taken = sendEvent(widget, event);
    Fl::e_state = 0;
    return taken;
}

// What a widget posted, in order.
struct Posted {
    std::uint32_t message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Posted& other) const {
        return message == other.message && wParam == other.wParam && lParam == other.lParam;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Posted& posted) {
    return out << "{0x" << std::hex << posted.message << ", 0x" << posted.wParam << ", 0x" << posted.lParam << std::dec
               << "}";
}
