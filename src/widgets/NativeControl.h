#pragma once
#include <cstdint>

class Control;

// Stores the rectangle in the control and creates its native child window under the
// control's main window; the control keeps the handle.
void createNativeControl(Control& control, const char* className, const char* text, std::uint32_t style,
                         std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
