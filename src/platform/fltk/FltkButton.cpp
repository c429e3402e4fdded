#include "FltkButton.h"

#include <FL/Fl.H>

bool isOtherThanLeftButton(int event) {
    return (event == FL_PUSH || event == FL_DRAG || event == FL_RELEASE) && Fl::event_button() != FL_LEFT_MOUSE;
}

FltkButton::FltkButton(const char* text, Notify notify) : Fl_Button(0, 0, 0, 0), notify_(std::move(notify)) {
    copy_label(text);
    labelsize(12);
    callback(clicked, this);
}

void FltkButton::clicked(Fl_Widget*, void* self) {
    static_cast<FltkButton*>(self)->notify_(makeWParam(0, BN_CLICKED));
}

int FltkButton::handle(int event) { return isOtherThanLeftButton(event) ? 1 : Fl_Button::handle(event); }
