#pragma once
// The widget under the native controls that shows the window's device context and turns
// the pointer, wheel and keys into messages for the main window.
#include <FL/Fl_Widget.H>

#include "MessagePost.h"

class Surface;

class Canvas : public Fl_Widget {
public:
    Canvas(const Surface& surface, PostMessage post);

    int handle(int event) override;

protected:
    void draw() override;

private:
    int postButton(bool down);
    int postWheel();
    int postKey(bool down);
    void redrawControlsInClip();

    const Surface& surface_;
    PostMessage post_;
};
