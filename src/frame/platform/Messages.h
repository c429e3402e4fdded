#pragma once
// Window messages, notification codes and styles with the Win32 numbering, defined once.
// Every backend translates its own events into these numbers.
#include <cstdint>

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
// An opaque native handle (window, control or brush); 0 is the null handle.
using NativeHandle = std::intptr_t;

constexpr std::uint32_t WM_SIZE = 0x0005;
constexpr std::uint32_t WM_ACTIVATE = 0x0006;
constexpr std::uint32_t WM_PAINT = 0x000F;
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
constexpr std::uint32_t WM_KEYUP = 0x0101;
constexpr std::uint32_t WM_CHAR = 0x0102;
constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
constexpr std::uint32_t WM_COMMAND = 0x0111;
constexpr std::uint32_t WM_HSCROLL = 0x0114;
constexpr std::uint32_t WM_VSCROLL = 0x0115;
constexpr std::uint32_t WM_CTLCOLORSTATIC = 0x0138;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
constexpr std::uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr std::uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
constexpr std::uint32_t WM_MBUTTONDBLCLK = 0x0209;
constexpr std::uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr std::uint32_t WM_XBUTTONDOWN = 0x020B;
constexpr std::uint32_t WM_XBUTTONUP = 0x020C;

constexpr std::uint32_t BM_SETCHECK = 0x00F1;
constexpr std::uint32_t EM_GETMODIFY = 0x00B8;
constexpr std::uint32_t EM_SETMODIFY = 0x00B9;

constexpr std::uint32_t BN_CLICKED = 0;

constexpr std::uint32_t SB_LINELEFT = 0;
constexpr std::uint32_t SB_LINERIGHT = 1;
constexpr std::uint32_t SB_PAGELEFT = 2;
constexpr std::uint32_t SB_PAGERIGHT = 3;
constexpr std::uint32_t SB_THUMBPOSITION = 4;
constexpr std::uint32_t SB_THUMBTRACK = 5;
constexpr std::uint32_t SB_LEFT = 6;
constexpr std::uint32_t SB_RIGHT = 7;
constexpr std::uint32_t SB_ENDSCROLL = 8;

constexpr std::uint32_t WA_INACTIVE = 0;
constexpr std::uint32_t SIZE_RESTORED = 0;
constexpr std::uint32_t SIZE_MINIMIZED = 1;

constexpr std::uint32_t VK_ESCAPE = 0x1B;

constexpr std::uint32_t SWP_NOSIZE = 0x0001;
constexpr std::uint32_t SWP_NOMOVE = 0x0002;

constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_OVERLAPPEDWINDOW = 0x00CF0000;
constexpr std::uint32_t BS_PUSHBUTTON = 0x0;
constexpr std::uint32_t BS_CHECKBOX = 0x2;
constexpr std::uint32_t SBS_HORZ = 0x0;
constexpr std::uint32_t SBS_VERT = 0x1;
constexpr std::uint32_t ES_AUTOHSCROLL = 0x80;

constexpr std::uint32_t CS_VREDRAW = 0x0001;
constexpr std::uint32_t CS_HREDRAW = 0x0002;
constexpr std::uint32_t CS_OWNDC = 0x0020;

constexpr std::uint16_t lowWord(std::uintptr_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
constexpr std::uint16_t highWord(std::uintptr_t v) { return static_cast<std::uint16_t>((v >> 16) & 0xFFFF); }
constexpr WPARAM makeWParam(std::uint16_t low, std::uint16_t high) {
    return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16);
}
constexpr LPARAM makeLParam(std::uint16_t low, std::uint16_t high) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>(low) | (static_cast<std::uint32_t>(high) << 16));
}

// Colours travel packed as red + green * 256 + blue * 65536; only the low 8 bits of a channel count.
using Colour = std::uint32_t;
constexpr Colour rgb(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
           (static_cast<Colour>(blue & 0xFF) << 16);
}
