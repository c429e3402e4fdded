#pragma once
// The Windows backend: the Win32 and GDI calls themselves. The window procedure receives
// the messages as Windows sends them; a window's device context is a Surface drawing
// straight into the window.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "GdiSurface.h"
#include "MessagePacer.h"
#include "Platform.h"

struct tagPAINTSTRUCT;
struct tagMSG;

class Win32Platform : public Platform {
public:
    Win32Platform();
    ~Win32Platform() override;

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
    bool pressUnseen(NativeHandle polled) const;

    // Each window's device context from getDC until releaseDC, as a surface.
    std::map<NativeHandle, std::unique_ptr<GdiSurface>> contexts;
    std::unique_ptr<tagPAINTSTRUCT> paint;  // between beginPaint and endPaint
    // The message taken off Windows' queue but not handed out while holding (a change the
    // pacer holds to the next frame, or a press the frame has not seen the cursor at), and the
    // one handed out last, with its time and position.
    std::unique_ptr<tagMSG> held, handedOut;
    bool holding = false;
    MessagePacer pacer;
    std::optional<Point> frameCursor;  // on the screen, as cursorPosition saw it this frame
};
