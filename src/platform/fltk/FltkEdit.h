#pragma once
// A single-line edit box that remembers whether the user changed its text.
#include <FL/Fl_Input.H>

class FltkEdit : public Fl_Input {
public:
    FltkEdit();

    // Set by user edits only; setting the text from the program leaves it alone.
    bool modified = false;

private:
    static void edited(Fl_Widget* widget, void* self);
};
