#include "Button.h"

#include "Platform.h"
#include "Window.h"

Button::Button(Window* window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               const char* text)
    : Control(window, x, y, width, height) {
    handle = platform().createPushButton(text, x, y, this->width, this->height, window->nativeHandle());
}

Button::~Button() { platform().destroyWindow(handle); }

void Button::activate() {
    // The key table only sees keys while the main window has the focus.
    platform().setFocus(window->nativeHandle());
    if (callback != nullptr) callback(userData);
}

LRESULT Button::handleMessage(std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND || lParam != handle) return 0;
    if (highWord(wParam) == BN_CLICKED) activate();
    return 1;
}
