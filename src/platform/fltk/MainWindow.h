#pragma once
// The top-level window: a canvas covering the client area shows the window's device
// context, and the native controls are added above it. Resizing, minimising, restoring
// and the close box become messages.
#include <FL/Fl_Double_Window.H>

#include <memory>

#include "MessagePost.h"
#include "Surface.h"

class Canvas;

class MainWindow : public Fl_Double_Window {
public:
    MainWindow(int x, int y, int clientWidth, int clientHeight, const char* title, PostMessage post);
    ~MainWindow() override;

    Surface& surface() { return *surface_; }
    void focusCanvas();
    // Has the canvas show what was drawn on the surface since the last call.
    void presentDamage();

    void resize(int x, int y, int width, int height) override;
    int handle(int event) override;

private:
    static void closeRequested(Fl_Widget* widget, void* self);
    void reportMinimised();
    void reportRestored();
    void postSize(WPARAM kind, int width, int height);

    std::unique_ptr<Surface> surface_;
    PostMessage post_;
    Canvas* canvas_;  // a child: FLTK deletes it with the window
    bool minimised_ = false;
};
