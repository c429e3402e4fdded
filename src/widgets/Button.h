#pragma once
#include "Control.h"

using ButtonCallback = void (*)(void* userData);

// A native push button.
class Button : public Control {
public:
    Button(Window* window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
           const char* text);
    ~Button() override;

    void activate() override;
    LRESULT handleMessage(std::uint32_t message, WPARAM wParam, LPARAM lParam) override;

    ButtonCallback callback = nullptr;
    void* userData = nullptr;
};
