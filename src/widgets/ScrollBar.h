#pragma once
#include "Control.h"

class ScrollBar;
using ScrollBarCallback = void (*)(ScrollBar* scrollBar, void* userData);

// A native scroll bar; its position is always read back from the native bar.
class ScrollBar : public Control {
public:
    ScrollBar(Window* window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              std::int32_t vertical);
    ~ScrollBar() override;

    void setRange(std::int32_t maximum);
    void setPosition(std::int32_t newPosition);
    void poll() override;
    void activate() override;
    LRESULT handleMessage(std::uint32_t message, WPARAM wParam, LPARAM lParam) override;

    ScrollBarCallback callback = nullptr;
    std::int32_t position = 500;
    float value = 0.5f;
    std::int32_t lineStep = 5;
    std::int32_t pageStep = 20;
    void* userData = nullptr;
};
