#pragma once
#include <algorithm>
#include <cstdint>

#include "Messages.h"

class Window;

// Base of the native controls; positions are in the main window's client coordinates. Layouts of
// a narrow window reach below zero, and no native control takes a negative size.
class Control {
public:
    Control(Window* window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
        : x(x), y(y), width(std::max(0, width)), height(std::max(0, height)), window(window) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual void poll() {}
    virtual void activate() {}
    // 0: not this control's message; 1: handled; anything else: the window procedure's result.
    virtual LRESULT handleMessage(std::uint32_t /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return 0; }

    void move(std::int32_t newX, std::int32_t newY);
    void resize(std::int32_t newWidth, std::int32_t newHeight);

    std::int32_t x = 0, y = 0;
    std::int32_t width = 0, height = 0;
    Window* window;
    NativeHandle handle = 0;
};
