#pragma once
#include <cstdint>

// Button bits of MouseState::buttons.
constexpr std::uint32_t MOUSE_LEFT = 1;
constexpr std::uint32_t MOUSE_RIGHT = 2;
constexpr std::uint32_t MOUSE_MIDDLE = 4;
constexpr std::uint32_t MOUSE_EXTRA1 = 8;
constexpr std::uint32_t MOUSE_EXTRA2 = 16;

struct MouseState {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint32_t buttons = 0;
    std::int32_t wheel = 0;  // notches of the last wheel message of this frame
};
