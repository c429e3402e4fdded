#include "FltkEdit.h"

FltkEdit::FltkEdit() : Fl_Input(0, 0, 0, 0) {
    textsize(12);
    // FLTK calls back on every user edit and never for value() from the program.
    when(FL_WHEN_CHANGED);
    callback(edited, this);
}

void FltkEdit::edited(Fl_Widget*, void* self) { static_cast<FltkEdit*>(self)->modified = true; }
