#include "MainWindow.h"

#include <FL/Fl.H>

#include "Canvas.h"

namespace {
constexpr WPARAM WA_ACTIVE = 1;
}

MainWindow::MainWindow(int x, int y, int clientWidth, int clientHeight, const char* title, PostMessage post)
    : Fl_Double_Window(x, y, clientWidth, clientHeight),
      surface_(createSurface(clientWidth, clientHeight)),
      post_(std::move(post)) {
    copy_label(title);
    canvas_ = new Canvas(*surface_, post_);  // the window's constructor opened it for children
    end();
    // The user may resize the window, but FLTK must not move the controls: the program
    // lays them out itself. So no resizable child, and an explicit size range.
    resizable(nullptr);
    size_range(1, 1);
    callback(closeRequested, this);
}

MainWindow::~MainWindow() {
    hide();
    clear();  // the children go while the surface the canvas shows still exists
}

void MainWindow::focusCanvas() { Fl::focus(canvas_); }

void MainWindow::presentDamage() {
    const Rect& area = surface_->damage();
    if (!area.empty())
        canvas_->damage(FL_DAMAGE_USER1, area.left, area.top, area.right - area.left, area.bottom - area.top);
    surface_->clearDamage();
}

void MainWindow::resize(int x, int y, int width, int height) {
    const bool sized = width != w() || height != h();
    Fl_Double_Window::resize(x, y, width, height);
    if (!sized) return;
    surface_->resize(width, height);
    canvas_->size(width, height);
    postSize(SIZE_RESTORED, width, height);
}

int MainWindow::handle(int event) {
    // FLTK hides and shows the window widget when the desktop minimises and restores it.
    const bool restored = event == FL_SHOW && minimised_;
    if (event == FL_HIDE && shown() && !minimised_) reportMinimised();
    const int taken = Fl_Double_Window::handle(event);
    if (restored) reportRestored();
    return taken;
}

void MainWindow::reportMinimised() {
    minimised_ = true;
    postSize(SIZE_MINIMIZED, 0, 0);
    post_(WM_ACTIVATE, makeWParam(WA_INACTIVE, 1), 0);
}

void MainWindow::reportRestored() {
    minimised_ = false;
    post_(WM_ACTIVATE, makeWParam(WA_ACTIVE, 0), 0);
    postSize(SIZE_RESTORED, w(), h());
    // Hiding took the focus away; a restored window has the keys itself.
    focusCanvas();
}

void MainWindow::closeRequested(Fl_Widget*, void* self) {
    // FLTK also calls this for Escape; that key ends the program only through the key table.
    if (Fl::event() == FL_SHORTCUT) return;
    static_cast<MainWindow*>(self)->post_(WM_CLOSE, 0, 0);
}

void MainWindow::postSize(WPARAM kind, int width, int height) {
    post_(WM_SIZE, kind, makeLParam(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)));
}
