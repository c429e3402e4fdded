#include "CheckBox.h"

#include "Palette.h"
#include "Platform.h"
#include "Window.h"

CheckBox::CheckBox(Window* window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   const char* text)
    : Control(window, x, y, width, height) {
    handle = platform().createCheckBox(text, x, y, this->width, this->height, window->nativeHandle());
    // The frame panel's grey, so the box blends into it.
    brush = platform().createSolidBrush(rgb(FRAME_PANEL_COLOUR.red, FRAME_PANEL_COLOUR.green, FRAME_PANEL_COLOUR.blue));
    setChecked(0);
}

CheckBox::~CheckBox() {
    platform().destroyWindow(handle);
    platform().deleteBrush(brush);
}

void CheckBox::setChecked(std::int32_t value) {
    checked = value;
    platform().setCheckMark(handle, checked != 0);
}

void CheckBox::activate() {
    // The platform does not toggle the mark: the program keeps it.
    setChecked(checked == 0 ? 1 : 0);
    platform().setFocus(window->nativeHandle());
    if (callback != nullptr) callback(checked, userData);
}

LRESULT CheckBox::handleMessage(std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (lParam != handle) return 0;
    switch (message) {
    case WM_COMMAND:
        if (highWord(wParam) == BN_CLICKED) activate();
        return 1;
    case WM_CTLCOLORSTATIC:
        // The label on the frame's grey, not on the text's own background.
        platform().setTransparentBackground(static_cast<NativeHandle>(wParam));
        return static_cast<LRESULT>(brush);
    default: return 0;
    }
}
