#pragma once
// A push button that reports its clicks and does nothing else.
#include <FL/Fl_Button.H>

#include "MessagePost.h"

class FltkButton : public Fl_Button {
public:
    FltkButton(const char* text, Notify notify);

    int handle(int event) override;

private:
    static void clicked(Fl_Widget* widget, void* self);

    Notify notify_;
};
