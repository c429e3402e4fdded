#include "TextBox.h"

#include "Platform.h"
#include "Window.h"

namespace {
constexpr std::int32_t TEXT_BUFFER_SIZE = 256;
}  // namespace

TextBox::TextBox(Window* window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
    : Control(window, x, y, width, height) {
    handle = platform().createEditBox(x, y, this->width, this->height, window->nativeHandle());
}

TextBox::~TextBox() { platform().destroyWindow(handle); }

void TextBox::setText(const char* text) { platform().setEditText(handle, text); }

void TextBox::poll() {
    if (!platform().editModified(handle)) return;
    // Cleared even without a listener, so only later edits count as new ones.
    platform().clearEditModified(handle);
    if (callback == nullptr) return;
    char* text = new char[TEXT_BUFFER_SIZE];
    platform().getEditText(handle, text, TEXT_BUFFER_SIZE);
    callback(userData, text);
}

void TextBox::activate() { platform().setFocus(window->nativeHandle()); }
