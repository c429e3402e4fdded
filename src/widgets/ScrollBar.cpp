#include "ScrollBar.h"

#include "Platform.h"
#include "Window.h"

namespace {
constexpr std::int32_t DEFAULT_MAXIMUM = 1000;
constexpr std::int32_t DEFAULT_POSITION = 500;

// Where a scroll request asks the thumb to go; request is SB_LINELEFT .. SB_THUMBTRACK.
std::int32_t requestedPosition(const ScrollBar& bar, std::uint32_t request, std::int32_t current,
                               std::int32_t thumb) {
    switch (request) {
    case SB_LINELEFT: return current - bar.lineStep;
    case SB_LINERIGHT: return current + bar.lineStep;
    case SB_PAGELEFT: return current - bar.pageStep;
    case SB_PAGERIGHT: return current + bar.pageStep;
    default: return thumb;
    }
}
}  // namespace

ScrollBar::ScrollBar(Window* window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     std::int32_t vertical)
    : Control(window, x, y, width, height) {
    handle = platform().createScrollBar(vertical != 0, x, y, this->width, this->height, window->nativeHandle());
    platform().setScrollRange(handle, 0, DEFAULT_MAXIMUM, false);
    platform().setScrollPos(handle, DEFAULT_POSITION, false);
}

ScrollBar::~ScrollBar() { platform().destroyWindow(handle); }

void ScrollBar::setRange(std::int32_t maximum) { platform().setScrollRange(handle, 0, maximum, false); }

void ScrollBar::setPosition(std::int32_t newPosition) {
    platform().setScrollPos(handle, newPosition, false);
    position = newPosition;
}

void ScrollBar::poll() {
    position = platform().getScrollPos(handle);
    // Per mille of the default range, whatever the range is now.
    value = static_cast<float>(position / 1000.0);
}

void ScrollBar::activate() {
    poll();
    if (callback != nullptr) callback(this, userData);
}

LRESULT ScrollBar::handleMessage(std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    if ((message != WM_HSCROLL && message != WM_VSCROLL) || lParam != handle) return 0;
    const std::uint32_t request = lowWord(wParam);
    if (request > SB_THUMBTRACK) return 1;
    // The native bar knows where the thumb is; the field may be stale.
    const std::int32_t current = platform().getScrollPos(handle);
    // The native bar clamps to its range; activate reads the clamped position back.
    platform().setScrollPos(handle, requestedPosition(*this, request, current, highWord(wParam)), true);
    activate();
    return 1;
}
