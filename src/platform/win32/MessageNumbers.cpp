// The numbers of Messages.h are Windows' own: checked here, at compile time, against
// <windows.h>. Our names are read before windows.h turns them into its macros.
#include "Messages.h"

#define WIN32_NUMBERS(CHECK)                                                                                    \
    CHECK(WM_SIZE) CHECK(WM_ACTIVATE) CHECK(WM_PAINT) CHECK(WM_CLOSE) CHECK(WM_KEYDOWN) CHECK(WM_KEYUP)         \
    CHECK(WM_CHAR) CHECK(WM_SYSKEYDOWN) CHECK(WM_SYSKEYUP) CHECK(WM_COMMAND) CHECK(WM_HSCROLL) CHECK(WM_VSCROLL) \
    CHECK(WM_CTLCOLORSTATIC) CHECK(WM_MOUSEMOVE) CHECK(WM_LBUTTONDOWN) CHECK(WM_LBUTTONUP)                      \
    CHECK(WM_LBUTTONDBLCLK) CHECK(WM_RBUTTONDOWN) CHECK(WM_RBUTTONUP) CHECK(WM_RBUTTONDBLCLK)                   \
    CHECK(WM_MBUTTONDOWN) CHECK(WM_MBUTTONUP) CHECK(WM_MBUTTONDBLCLK) CHECK(WM_MOUSEWHEEL)                      \
    CHECK(WM_XBUTTONDOWN) CHECK(WM_XBUTTONUP)                                                                    \
    CHECK(BN_CLICKED) CHECK(SB_LINELEFT) CHECK(SB_LINERIGHT) CHECK(SB_PAGELEFT) CHECK(SB_PAGERIGHT)             \
    CHECK(SB_THUMBPOSITION) CHECK(SB_THUMBTRACK) CHECK(SB_LEFT) CHECK(SB_RIGHT) CHECK(SB_ENDSCROLL)             \
    CHECK(WA_INACTIVE) CHECK(SIZE_RESTORED) CHECK(SIZE_MINIMIZED) CHECK(VK_ESCAPE) CHECK(SWP_NOSIZE)            \
    CHECK(SWP_NOMOVE) CHECK(CS_VREDRAW) CHECK(CS_HREDRAW) CHECK(CS_OWNDC)

#define KEEP_OURS(name) constexpr auto ours_##name = name;
namespace {
WIN32_NUMBERS(KEEP_OURS)
}

#include <windows.h>

#define SAME_AS_WINDOWS(name) static_assert(ours_##name == (name), #name " differs from <windows.h>");
WIN32_NUMBERS(SAME_AS_WINDOWS)
static_assert(rgb(1, 2, 3) == RGB(1, 2, 3), "colours pack like RGB()");
