#include "FltkCheckBox.h"

#include <FL/Fl.H>

FltkCheckBox::FltkCheckBox(const char* text, Notify notify)
    : Fl_Check_Button(0, 0, 0, 0), notify_(std::move(notify)) {
    copy_label(text);
    labelsize(12);
}

int FltkCheckBox::handle(int event) {
    const WPARAM clicked = makeWParam(0, BN_CLICKED);
    if (isOtherThanLeftButton(event)) return 1;
    switch (event) {
    case FL_PUSH:
        if (Fl::visible_focus()) take_focus();
        return 1;
    case FL_DRAG: return 1;
    case FL_RELEASE:
        if (Fl::event_inside(this)) notify_(clicked);
        return 1;
    case FL_KEYBOARD:
        if (Fl::focus() != this || Fl::event_key() != ' ') return 0;
        notify_(clicked);
        return 1;
    case FL_SHORTCUT: return 0;
    default: return Fl_Check_Button::handle(event);
    }
}
