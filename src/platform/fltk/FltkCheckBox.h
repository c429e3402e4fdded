#pragma once
// A check box that reports its clicks but never changes its mark itself: the mark shows
// what the program last set.
#include <FL/Fl_Check_Button.H>

#include "MessagePost.h"

class FltkCheckBox : public Fl_Check_Button {
public:
    FltkCheckBox(const char* text, Notify notify);

    int handle(int event) override;

private:
    Notify notify_;
};
