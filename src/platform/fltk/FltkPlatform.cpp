#include "FltkPlatform.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "FltkButton.h"
#include "FltkCheckBox.h"
#include "FltkEdit.h"
#include "FltkScrollBar.h"
#include "MainWindow.h"

FltkPlatform::FltkPlatform() = default;

FltkPlatform::~FltkPlatform() {
    controls.clear();
    windows.clear();
    Fl::do_widget_deletion();
}

bool FltkPlatform::displayAvailable() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    XCloseDisplay(display);
    return true;
}

bool FltkPlatform::registerClass(const char* className, std::uint32_t, WindowProcedure procedure) {
    classes[className] = procedure;
    return true;
}

void FltkPlatform::unregisterClass(const char* className) { classes.erase(className); }

NativeHandle FltkPlatform::createWindow(const char* className, const char* title, std::int32_t x, std::int32_t y,
                                       std::int32_t clientWidth, std::int32_t clientHeight) {
    const NativeHandle handle = nextHandle();
    auto poster = [this, handle](std::uint32_t message, WPARAM wParam, LPARAM lParam) {
        post(handle, message, wParam, lParam);
    };
    auto window = std::make_unique<MainWindow>(x, y, clientWidth, clientHeight, title, poster);
    window->show();
    window->focusCanvas();
    windows[handle] = TopLevel{className, std::move(window)};
    return handle;
}

void FltkPlatform::destroyWindow(NativeHandle window) {
    if (windows.count(window) != 0)
        destroyTopLevel(window);
    else
        destroyControl(window);
}

void FltkPlatform::destroyTopLevel(NativeHandle handle) {
    auto found = windows.find(handle);
    std::unique_ptr<MainWindow> window = std::move(found->second.window);
    windows.erase(found);
    // FLTK deletes a window's children with it: forget its controls first.
    for (auto entry = controls.begin(); entry != controls.end();)
        entry = entry->second->window() == window.get() ? controls.erase(entry) : std::next(entry);
    // Deleted at once: our toolkit callbacks only post messages, so no FLTK handler of this
    // window is running while the program dispatches them.
    window.reset();
    queue.erase(std::remove_if(queue.begin(), queue.end(), [&](const Message& m) { return m.window == handle; }),
                queue.end());
}

void FltkPlatform::destroyControl(NativeHandle handle) {
    Fl_Widget* widget = control(handle);
    if (widget == nullptr) return;
    controls.erase(handle);
    // Its window takes the keys back, as on Windows; FLTK would leave them with nobody.
    auto* window = static_cast<MainWindow*>(widget->window());
    const bool focused = Fl::focus() == widget;
    widget->hide();
    // Out of its window at once, so that the window never deletes it a second time; the
    // widget itself goes later, as FLTK may still refer to it (pointer over it, thumb held).
    if (Fl_Group* parent = widget->parent()) parent->remove(widget);
    Fl::delete_widget(widget);
    if (focused) window->focusCanvas();
}

Size FltkPlatform::clientSize(NativeHandle window) {
    MainWindow* target = mainWindow(window);
    if (target == nullptr) return {};
    return {target->w(), target->h()};
}

Surface* FltkPlatform::getDC(NativeHandle window) {
    MainWindow* target = mainWindow(window);
    return target == nullptr ? nullptr : &target->surface();
}

void FltkPlatform::releaseDC(NativeHandle, Surface*) {}

bool FltkPlatform::peekMessage(NativeHandle filter, Message& message) {
    if (!pumpedThisFrame) {
        pumpedThisFrame = true;
        pumpEvents();
    }
    auto found = std::find_if(queue.begin(), queue.end(),
                              [&](const Message& m) { return filter == 0 || m.window == filter; });
    if (found == queue.end() || pacer.holdsBack(*found, filter)) return false;
    message = *found;
    queue.erase(found);
    pacer.handedOut(message, filter);
    return true;
}

void FltkPlatform::dispatchMessage(const Message& message) {
    auto window = windows.find(message.window);
    if (window == windows.end()) return;
    auto procedure = classes.find(window->second.className);
    if (procedure != classes.end()) procedure->second(message.window, message.message, message.wParam, message.lParam);
}

LRESULT FltkPlatform::defWindowProc(NativeHandle, std::uint32_t, WPARAM, LPARAM) { return 0; }

// The canvas keeps the window's pixels, so painting needs no preparation.
void FltkPlatform::beginPaint(NativeHandle) {}

void FltkPlatform::endPaint(NativeHandle) {}

Point FltkPlatform::cursorPosition(NativeHandle window) {
    MainWindow* target = mainWindow(window);
    if (target == nullptr) return {};
    int x = 0, y = 0;
    Fl::get_mouse(x, y);
    return {x - target->x_root(), y - target->y_root()};
}

void FltkPlatform::sleep(std::int32_t milliseconds) {
    // Shows the frame just drawn, then waits for events (queued for the next frame) until
    // the time is up.
    presentDamage();
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (Clock::time_point now = Clock::now(); now < deadline; now = Clock::now())
        Fl::wait(std::chrono::duration<double>(deadline - now).count());
    pumpedThisFrame = false;
    pacer.startFrame();
}

NativeHandle FltkPlatform::createSolidBrush(Colour) { return nextHandle(); }

// The toolkit paints the check box's background itself; a brush is only a token.
void FltkPlatform::deleteBrush(NativeHandle) {}

// No device context reaches the program: the toolkit draws the labels itself.
void FltkPlatform::setTransparentBackground(NativeHandle) {}

NativeHandle FltkPlatform::createPushButton(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                            std::int32_t height, NativeHandle parent) {
    return addControl(parent, x, y, width, height, [&](NativeHandle handle) {
        return new FltkButton(text, notifier(parent, handle, WM_COMMAND));
    });
}

NativeHandle FltkPlatform::createCheckBox(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                          std::int32_t height, NativeHandle parent) {
    return addControl(parent, x, y, width, height, [&](NativeHandle handle) {
        return new FltkCheckBox(text, notifier(parent, handle, WM_COMMAND));
    });
}

NativeHandle FltkPlatform::createScrollBar(bool vertical, std::int32_t x, std::int32_t y, std::int32_t width,
                                           std::int32_t height, NativeHandle parent) {
    return addControl(parent, x, y, width, height, [&](NativeHandle handle) {
        return new FltkScrollBar(vertical, notifier(parent, handle, vertical ? WM_VSCROLL : WM_HSCROLL));
    });
}

NativeHandle FltkPlatform::createEditBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                         NativeHandle parent) {
    return addControl(parent, x, y, width, height, [](NativeHandle) { return new FltkEdit(); });
}

NativeHandle FltkPlatform::addControl(NativeHandle parent, std::int32_t x, std::int32_t y, std::int32_t width,
                                      std::int32_t height, const std::function<Fl_Widget*(NativeHandle)>& make) {
    MainWindow* window = mainWindow(parent);
    if (window == nullptr) return 0;
    const NativeHandle handle = nextHandle();
    Fl_Group::current(nullptr);  // we add the widget to its window ourselves
    Fl_Widget* widget = make(handle);
    widget->resize(x, y, width, height);
    window->add(widget);  // after the canvas, so it lies on top
    widget->redraw();
    controls[handle] = widget;
    return handle;
}

Notify FltkPlatform::notifier(NativeHandle parent, NativeHandle handle, std::uint32_t message) {
    return [this, parent, handle, message](WPARAM wParam) { post(parent, message, wParam, handle); };
}

void FltkPlatform::setWindowPos(NativeHandle handle, std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height, std::uint32_t flags) {
    Fl_Widget* widget = control(handle);
    if (widget == nullptr) return;
    const bool move = (flags & SWP_NOMOVE) == 0, size = (flags & SWP_NOSIZE) == 0;
    // The place it leaves shows the canvas again; the place it takes shows the widget.
    widget->window()->damage(FL_DAMAGE_ALL, widget->x(), widget->y(), widget->w(), widget->h());
    widget->resize(move ? x : widget->x(), move ? y : widget->y(), size ? width : widget->w(),
                   size ? height : widget->h());
    widget->redraw();
}

void FltkPlatform::invalidate(NativeHandle handle) {
    if (Fl_Widget* widget = control(handle)) widget->redraw();
}

void FltkPlatform::setFocus(NativeHandle window) {
    if (MainWindow* target = mainWindow(window))
        target->focusCanvas();
    else if (Fl_Widget* widget = control(window))
        Fl::focus(widget);
}

void FltkPlatform::setCheckMark(NativeHandle handle, bool checked) {
    if (auto* box = controlAs<FltkCheckBox>(handle)) box->value(checked ? 1 : 0);
}

bool FltkPlatform::editModified(NativeHandle handle) {
    auto* edit = controlAs<FltkEdit>(handle);
    return edit != nullptr && edit->modified;
}

void FltkPlatform::clearEditModified(NativeHandle handle) {
    if (auto* edit = controlAs<FltkEdit>(handle)) edit->modified = false;
}

std::int32_t FltkPlatform::getEditText(NativeHandle handle, char* buffer, std::int32_t size) {
    if (size <= 0) return 0;
    auto* edit = controlAs<FltkEdit>(handle);
    const char* text = edit == nullptr ? "" : edit->value();
    const std::size_t count = std::min(std::strlen(text), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text, count);
    buffer[count] = '\0';
    return static_cast<std::int32_t>(count);
}

void FltkPlatform::setEditText(NativeHandle handle, const char* text) {
    if (auto* edit = controlAs<FltkEdit>(handle)) edit->value(text == nullptr ? "" : text);
}

// The toolkit redraws lazily either way, so the redraw flags change nothing here.
void FltkPlatform::setScrollRange(NativeHandle handle, std::int32_t minimum, std::int32_t maximum, bool) {
    if (auto* bar = controlAs<FltkScrollBar>(handle)) bar->setRange(minimum, maximum);
}

void FltkPlatform::setScrollPos(NativeHandle handle, std::int32_t position, bool) {
    if (auto* bar = controlAs<FltkScrollBar>(handle)) bar->setPosition(position);
}

std::int32_t FltkPlatform::getScrollPos(NativeHandle handle) {
    auto* bar = controlAs<FltkScrollBar>(handle);
    return bar == nullptr ? 0 : bar->position();
}

// FLTK draws the controls over the canvas itself, so no panel needs their pixels.
void FltkPlatform::copyControlImage(NativeHandle, Surface&, std::int32_t, std::int32_t, std::int32_t,
                                    std::int32_t) {}

void FltkPlatform::post(NativeHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (windows.count(window) != 0) queue.push_back(Message{window, message, wParam, lParam});
}

void FltkPlatform::pumpEvents() {
    presentDamage();
    Fl::check();
}

void FltkPlatform::presentDamage() {
    for (auto& [handle, topLevel] : windows) topLevel.window->presentDamage();
}

MainWindow* FltkPlatform::mainWindow(NativeHandle handle) {
    auto found = windows.find(handle);
    return found == windows.end() ? nullptr : found->second.window.get();
}

Fl_Widget* FltkPlatform::control(NativeHandle handle) {
    auto found = controls.find(handle);
    return found == controls.end() ? nullptr : found->second;
}

template <class Widget>
Widget* FltkPlatform::controlAs(NativeHandle handle) {
    return dynamic_cast<Widget*>(control(handle));
}
