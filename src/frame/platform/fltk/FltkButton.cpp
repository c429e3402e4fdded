#include "FltkButton.h"

FltkButton::FltkButton(const char* text, Notify notify) : Fl_Button(0, 0, 0, 0), notify_(std::move(notify)) {
    copy_label(text);
    labelsize(12);
    callback(clicked, this);
}

void FltkButton::clicked(Fl_Widget*, void* self) {
    static_cast<FltkButton*>(self)->notify_(makeWParam(0, BN_CLICKED));
}
