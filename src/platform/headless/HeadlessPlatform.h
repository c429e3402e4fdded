#pragma once
// A backend without a display. Tests drive it: they post messages, set the cursor, run
// frames, and read the window's pixels and every control's state.
#include <deque>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Platform.h"

struct HeadlessWindow {
    std::string className;
    std::string title;
    std::int32_t x = 0, y = 0;
    std::unique_ptr<Surface> surface;
    bool destroyed = false;
};

// What a native control keeps: the state the program relies on.
struct HeadlessControl {
    enum class Role { PushButton, CheckBox, ScrollBar, EditBox };

    Role role = Role::PushButton;
    bool vertical = false;  // scroll bars only
    std::string text;
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    NativeHandle parent = 0;
    std::int32_t checkMark = 0;  // as last set
    std::int32_t scrollMin = 0, scrollMax = 100, scrollPos = 0;
    bool modified = false;  // set by user edits only
    std::int32_t invalidations = 0;
};

class HeadlessPlatform : public Platform {
public:
    // Test hooks.
    void post(std::uint32_t message, WPARAM wParam = 0, LPARAM lParam = 0);
    void postTo(NativeHandle window, std::uint32_t message, WPARAM wParam = 0, LPARAM lParam = 0);
    void setCursor(std::int32_t x, std::int32_t y) { cursor = {x, y}; }
    // A border drag: the client surface takes the new size, then the size message follows.
    void resizeClient(std::int32_t width, std::int32_t height);
    // The user's actions on controls, reported as the native controls report them.
    void click(NativeHandle control);
    void scroll(NativeHandle bar, std::uint32_t code, std::uint16_t thumbPosition = 0);
    void typeText(NativeHandle edit, const std::string& text);

    HeadlessControl* control(NativeHandle handle);
    HeadlessWindow* window(NativeHandle handle);
    // The live controls of the given roles (of any, when none is given), in creation order.
    std::vector<NativeHandle> liveControls(std::initializer_list<HeadlessControl::Role> roles = {}) const;
    NativeHandle mainWindow() const { return mainWindowHandle; }
    Colour windowPixel(std::int32_t x, std::int32_t y);

    bool failRegistration = false;
    bool classRegistered = false;
    std::int32_t registrations = 0;
    std::vector<std::uint32_t> defaultHandled;  // messages that reached defWindowProc
    std::int32_t paints = 0;
    std::int32_t sleptMilliseconds = 0;
    NativeHandle focus = 0;
    std::int32_t liveBrushes = 0;
    std::vector<NativeHandle> transparentContexts;  // in the order set

    // Platform.
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
    NativeHandle nextHandle() { return ++lastHandle; }
    NativeHandle addControl(HeadlessControl::Role role, const char* text, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, NativeHandle parent);

    NativeHandle lastHandle = 0x1000;
    NativeHandle mainWindowHandle = 0;
    Point cursor;
    std::map<std::string, WindowProcedure> classes;
    std::map<NativeHandle, HeadlessWindow> windows;
    std::map<NativeHandle, HeadlessControl> controls;
    std::deque<Message> queue;
};
