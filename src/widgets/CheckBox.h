#pragma once
#include "Control.h"

using CheckBoxCallback = void (*)(std::int32_t checked, void* userData);

// A native check box whose mark shows only what the program last set.
class CheckBox : public Control {
public:
    CheckBox(Window* window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             const char* text);
    ~CheckBox() override;

    void setChecked(std::int32_t value);
    void activate() override;
    LRESULT handleMessage(std::uint32_t message, WPARAM wParam, LPARAM lParam) override;

    CheckBoxCallback callback = nullptr;
    void* userData = nullptr;
    NativeHandle brush = 0;
    std::int32_t checked = 0;
};
