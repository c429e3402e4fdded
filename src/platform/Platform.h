#pragma once
// The operations the program needs from the desktop, grouped by role. The window, panel
// and control classes are the only callers; the backends (headless for tests, FLTK and Win32
// for the desktops, the browser's) translate their own events into the Win32 message numbers
// of Messages.h.
#include <cstdint>
#include <memory>

#include "Messages.h"
#include "Surface.h"

using WindowProcedure = LRESULT (*)(NativeHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam);

struct Message {
    NativeHandle window = 0;
    std::uint32_t message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct Point {
    std::int32_t x = 0, y = 0;
};

struct Size {
    std::int32_t width = 0, height = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Top-level window. registerClass answers false when the class cannot be registered.
    virtual bool registerClass(const char* className, std::uint32_t style, WindowProcedure procedure) = 0;
    virtual void unregisterClass(const char* className) = 0;
    // A visible window whose client area is clientWidth x clientHeight, frame at (x, y).
    virtual NativeHandle createWindow(const char* className, const char* title, std::int32_t x, std::int32_t y,
                                      std::int32_t clientWidth, std::int32_t clientHeight) = 0;
    // Destroys a top-level window or a child control.
    virtual void destroyWindow(NativeHandle window) = 0;
    virtual Size clientSize(NativeHandle window) = 0;
    // The window's private device context, valid until the window is destroyed.
    virtual Surface* getDC(NativeHandle window) = 0;
    virtual void releaseDC(NativeHandle window, Surface* context) = 0;

    // Message pump. peekMessage never blocks; dispatchMessage hands the message to the
    // procedure of the window's class.
    virtual bool peekMessage(NativeHandle filter, Message& message) = 0;
    virtual void dispatchMessage(const Message& message) = 0;
    virtual LRESULT defWindowProc(NativeHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam) = 0;
    virtual void beginPaint(NativeHandle window) = 0;
    virtual void endPaint(NativeHandle window) = 0;

    // Cursor in the window's client coordinates, also outside the client area.
    virtual Point cursorPosition(NativeHandle window) = 0;

    // Timing.
    virtual void sleep(std::int32_t milliseconds) = 0;

    // Brushes (a check box hands one to its parent for its background).
    virtual NativeHandle createSolidBrush(Colour colour) = 0;
    virtual void deleteBrush(NativeHandle brush) = 0;
    // Text drawn on a device context that a control hands its parent keeps the background
    // beneath it, so a check box's label stands on the box's brush.
    virtual void setTransparentBackground(NativeHandle context) = 0;

    // Child controls of a parent window, by role; each reports to the parent's procedure
    // with the control's handle in lParam.
    virtual NativeHandle createPushButton(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                          std::int32_t height, NativeHandle parent) = 0;
    // Its mark changes only through setCheckMark, never by a click.
    virtual NativeHandle createCheckBox(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                        std::int32_t height, NativeHandle parent) = 0;
    virtual NativeHandle createScrollBar(bool vertical, std::int32_t x, std::int32_t y, std::int32_t width,
                                         std::int32_t height, NativeHandle parent) = 0;
    // A single-line edit box, empty at first.
    virtual NativeHandle createEditBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                       NativeHandle parent) = 0;
    virtual void setWindowPos(NativeHandle control, std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height, std::uint32_t flags) = 0;
    virtual void invalidate(NativeHandle control) = 0;
    virtual void setFocus(NativeHandle window) = 0;

    virtual void setCheckMark(NativeHandle checkBox, bool checked) = 0;
    // The edit box's modified flag is set by user edits only.
    virtual bool editModified(NativeHandle edit) = 0;
    virtual void clearEditModified(NativeHandle edit) = 0;
    // Copies at most size - 1 characters and a terminator; answers the number copied.
    virtual std::int32_t getEditText(NativeHandle edit, char* buffer, std::int32_t size) = 0;
    virtual void setEditText(NativeHandle edit, const char* text) = 0;
    // Scroll bars keep their position inside their range.
    virtual void setScrollRange(NativeHandle control, std::int32_t minimum, std::int32_t maximum, bool redraw) = 0;
    virtual void setScrollPos(NativeHandle control, std::int32_t position, bool redraw) = 0;
    virtual std::int32_t getScrollPos(NativeHandle control) = 0;

    // Control images: copies the control's current on-screen pixels into target at (x, y).
    // A backend whose toolkit draws the controls over the window itself may copy nothing.
    virtual void copyControlImage(NativeHandle control, Surface& target, std::int32_t x, std::int32_t y,
                                  std::int32_t width, std::int32_t height) = 0;
};

// The backend in use; installed once by the program entry, or by each test.
Platform& platform();
void installPlatform(std::unique_ptr<Platform> backend);
