#pragma once
// The browser backend: the page is the window (WebPage), the controls are HTML elements
// (WebControls), and the main loop's sleep gives the browser its turn (Asyncify), in which
// the page's events queue up for the next frame.
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "MessagePacer.h"
#include "Platform.h"
#include "WebControls.h"
#include "WebPage.h"

class WebPlatform : public Platform {
public:
    bool registerClass(const char* className, std::uint32_t style, WindowProcedure procedure) override;
    void unregisterClass(const char* className) override;
    // The page holds one window; a second one is refused (null handle).
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
    // Moves what the page has queued into our queue, resizing the surface on a new size.
    void pumpEvents();
    NativeHandle addControl(WebControls::Role role, const char* text, bool vertical, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, NativeHandle parent);
    bool isWindow(NativeHandle handle) const { return handle != 0 && handle == window_; }
    NativeHandle nextHandle() { return ++lastHandle_; }

    NativeHandle lastHandle_ = 0;
    std::map<std::string, WindowProcedure> classes_;
    NativeHandle window_ = 0;
    std::string windowClass_;
    std::unique_ptr<WebPage> page_;
    WebControls controls_;
    std::deque<Message> queue_;
    MessagePacer pacer_;
    bool pumpedThisFrame_ = false;
};
