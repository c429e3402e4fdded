#pragma once
// The desktop backend: FLTK windows and widgets on X11. Toolkit events become queued
// messages with the Win32 numbering; the window's device context is a Surface that a
// canvas widget under the native controls presents.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "MessagePacer.h"
#include "MessagePost.h"
#include "Platform.h"

class Fl_Widget;
class MainWindow;

class FltkPlatform : public Platform {
public:
    FltkPlatform();
    ~FltkPlatform() override;

    // True when an X display can be opened.
    static bool displayAvailable();

    bool registerClass(const char* className, std::uint32_t style, WindowProcedure procedure) override;
    void unregisterClass(const char* className) override;
    NativeHandle createWindow(const char* className, const char* title, std::int32_t x, std::int32_t y,
                              std::int32_t clientWidth, std::int32_t clientHeight) override;
    void destroyWindow(NativeHandle window) override;
    Size clientSize(NativeHandle window) override;
    Surface* getDC(NativeHandle window) override;
    void releaseDC(NativeHandle window, Surface* context) override;
    bool peekMessage(NativeHandle filter, Message& message) override;
    void dispatchMessage(const Message& message) override;
    LRESULT defWindowProc(NativeHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam) override;
    void beginPaint(NativeHandle window) override;
    void endPaint(NativeHandle window) override;
    Point cursorPosition(NativeHandle window) override;
    void sleep(std::int32_t milliseconds) override;
    NativeHandle createSolidBrush(Colour colour) override;
    void deleteBrush(NativeHandle brush) override;
    void setTransparentBackground(NativeHandle context) override;
    NativeHandle createPushButton(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                  std::int32_t height, NativeHandle parent) override;
    NativeHandle createCheckBox(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height, NativeHandle parent) override;
    NativeHandle createScrollBar(bool vertical, std::int32_t x, std::int32_t y, std::int32_t width,
                                 std::int32_t height, NativeHandle parent) override;
    NativeHandle createEditBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                               NativeHandle parent) override;
    void setWindowPos(NativeHandle control, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      std::uint32_t flags) override;
    void invalidate(NativeHandle control) override;
    void setFocus(NativeHandle window) override;
    void setCheckMark(NativeHandle checkBox, bool checked) override;
    bool editModified(NativeHandle edit) override;
    void clearEditModified(NativeHandle edit) override;
    std::int32_t getEditText(NativeHandle edit, char* buffer, std::int32_t size) override;
    void setEditText(NativeHandle edit, const char* text) override;
    void setScrollRange(NativeHandle control, std::int32_t minimum, std::int32_t maximum, bool redraw) override;
    void setScrollPos(NativeHandle control, std::int32_t position, bool redraw) override;
    std::int32_t getScrollPos(NativeHandle control) override;
    void copyControlImage(NativeHandle control, Surface& target, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height) override;

private:
    struct TopLevel {
        std::string className;
        std::unique_ptr<MainWindow> window;
    };

    void post(NativeHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam);
    void pumpEvents();
    void presentDamage();
    void destroyTopLevel(NativeHandle handle);
    void destroyControl(NativeHandle handle);
    // Adds the widget that `make` builds for the new handle to the parent window, on top.
    NativeHandle addControl(NativeHandle parent, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, const std::function<Fl_Widget*(NativeHandle)>& make);
    // Posts a control's report to its parent window with the control's handle.
    Notify notifier(NativeHandle parent, NativeHandle handle, std::uint32_t message);
    MainWindow* mainWindow(NativeHandle handle);
    Fl_Widget* control(NativeHandle handle);
    template <class Widget>
    Widget* controlAs(NativeHandle handle);
    NativeHandle nextHandle() { return ++lastHandle; }

    NativeHandle lastHandle = 0;
    std::map<std::string, WindowProcedure> classes;
    std::map<NativeHandle, TopLevel> windows;
    // The widgets belong to their FLTK parent window; this map only finds them.
    std::map<NativeHandle, Fl_Widget*> controls;
    std::deque<Message> queue;
    MessagePacer pacer;
    bool pumpedThisFrame = false;
};
