#include "NativeControl.h"

#include "Control.h"
#include "Platform.h"
#include "Window.h"

void createNativeControl(Control& control, const char* className, const char* text, std::uint32_t style,
                         std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    control.x = x;
    control.y = y;
    control.width = width;
    control.height = height;
    control.handle =
        platform().createControl(className, text, style, x, y, width, height, control.window->nativeHandle());
}
