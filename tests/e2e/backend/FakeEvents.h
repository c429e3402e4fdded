#pragma once
// Hands FLTK events straight to a widget, as the toolkit's dispatch would, without a display.
#include <FL/Fl.H>
#include <FL/Fl_Widget.H>

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

