#include "VirtualKey.h"

#include <FL/Enumerations.H>

namespace {
struct KeyPair {
    int fltk;
    std::uint32_t windows;
};

constexpr KeyPair NAMED_KEYS[] = {
    {FL_BackSpace, 0x08}, {FL_Tab, 0x09},       {FL_Enter, 0x0D},     {FL_KP_Enter, 0x0D},  {FL_Shift_L, 0x10},
    {FL_Shift_R, 0x10},   {FL_Control_L, 0x11}, {FL_Control_R, 0x11}, {FL_Alt_L, 0x12},     {FL_Alt_R, 0x12},
    {FL_Pause, 0x13},     {FL_Caps_Lock, 0x14}, {FL_Escape, 0x1B},    {' ', 0x20},          {FL_Page_Up, 0x21},
    {FL_Page_Down, 0x22}, {FL_End, 0x23},       {FL_Home, 0x24},      {FL_Left, 0x25},      {FL_Up, 0x26},
    {FL_Right, 0x27},     {FL_Down, 0x28},      {FL_Print, 0x2C},     {FL_Insert, 0x2D},    {FL_Delete, 0x2E},
    {FL_Meta_L, 0x5B},    {FL_Meta_R, 0x5C},    {FL_Menu, 0x5D},      {FL_KP + '*', 0x6A},  {FL_KP + '+', 0x6B},
    {FL_KP + '-', 0x6D},  {FL_KP + '.', 0x6E},  {FL_KP + '/', 0x6F},  {FL_Num_Lock, 0x90},  {FL_Scroll_Lock, 0x91},
    {';', 0xBA},          {'=', 0xBB},          {',', 0xBC},          {'-', 0xBD},          {'.', 0xBE},
    {'/', 0xBF},          {'`', 0xC0},          {'[', 0xDB},          {'\\', 0xDC},         {']', 0xDD},
    {'\'', 0xDE},
};
}  // namespace

std::uint32_t virtualKey(int fltkKey) {
    // FLTK reports letters in lower case; their virtual keys are the capitals.
    if (fltkKey >= 'a' && fltkKey <= 'z') return static_cast<std::uint32_t>(fltkKey - 'a' + 'A');
    if (fltkKey >= '0' && fltkKey <= '9') return static_cast<std::uint32_t>(fltkKey);
    if (fltkKey >= FL_KP + '0' && fltkKey <= FL_KP + '9')
        return static_cast<std::uint32_t>(0x60 + fltkKey - FL_KP - '0');
    if (fltkKey >= FL_F + 1 && fltkKey <= FL_F + 24) return static_cast<std::uint32_t>(0x6F + fltkKey - FL_F);
    for (const KeyPair& pair : NAMED_KEYS)
        if (pair.fltk == fltkKey) return pair.windows;
    return 0;
}
