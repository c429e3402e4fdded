#include "TextBox.h"

#include "NativeControl.h"
#include "Platform.h"
#include "Window.h"

namespace {
constexpr std::int32_t TEXT_BUFFER_SIZE = 256;
}  // namespace

TextBox::TextBox(Window* window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
    : Control(window) {
    // Scrolling sideways, the box takes text beyond its width, as FLTK's input does.
    createNativeControl(*this, "edit", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, x, y, width,
                        height);
}

TextBox::~TextBox() { platform().destroyWindow(handle); }

void TextBox::setText(const char* text) { platform().setWindowText(handle, text); }

void TextBox::poll() {
    if (platform().sendMessage(handle, EM_GETMODIFY, 0, 0) == 0) return;
    // Cleared even without a listener, so only later edits count as new ones.
    platform().sendMessage(handle, EM_SETMODIFY, 0, 0);
    if (callback == nullptr) return;
    char* text = new char[TEXT_BUFFER_SIZE];
    platform().getWindowText(handle, text, TEXT_BUFFER_SIZE);
    callback(userData, text);
}

void TextBox::activate() { platform().setFocus(window->nativeHandle()); }
