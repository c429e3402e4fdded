#pragma once
// Translation of FLTK key numbers into Windows virtual-key codes.
#include <cstdint>

// The virtual-key code for an FLTK key number (Fl::event_key()), 0 when there is none.
std::uint32_t virtualKey(int fltkKey);
