#include "MessagePacer.h"

namespace {
enum class Edge { None, Press, Release };

struct Input {
    Edge edge = Edge::None;
    std::uint64_t id = 0;  // which button or key
};

constexpr std::uint64_t KEY = 1ull << 32;

Input inputOf(const Message& message, NativeHandle polled) {
    if (message.window != polled) return {};
    switch (message.message) {
    case WM_LBUTTONDOWN: return {Edge::Press, WM_LBUTTONDOWN};
    case WM_LBUTTONUP: return {Edge::Release, WM_LBUTTONDOWN};
    case WM_RBUTTONDOWN: return {Edge::Press, WM_RBUTTONDOWN};
    case WM_RBUTTONUP: return {Edge::Release, WM_RBUTTONDOWN};
    case WM_MBUTTONDOWN: return {Edge::Press, WM_MBUTTONDOWN};
    case WM_MBUTTONUP: return {Edge::Release, WM_MBUTTONDOWN};
    case WM_XBUTTONDOWN: return {Edge::Press, WM_XBUTTONDOWN | std::uint32_t{highWord(message.wParam)} << 16};
    case WM_XBUTTONUP: return {Edge::Release, WM_XBUTTONDOWN | std::uint32_t{highWord(message.wParam)} << 16};
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return {Edge::Press, KEY | message.wParam};
    case WM_KEYUP:
    case WM_SYSKEYUP: return {Edge::Release, KEY | message.wParam};
    default: return {};
    }
}
}  // namespace

// A key held down repeats its press: the state stays, so nothing waits.
bool MessagePacer::holdsBack(const Message& message, NativeHandle polled) const {
    const Input input = inputOf(message, polled);
    const auto found = changed_.find(input.id);
    return input.edge != Edge::None && found != changed_.end() && found->second != (input.edge == Edge::Press);
}

bool MessagePacer::isButtonPress(const Message& message, NativeHandle polled) {
    const Input input = inputOf(message, polled);
    return input.edge == Edge::Press && input.id < KEY;
}

void MessagePacer::handedOut(const Message& message, NativeHandle polled) {
    const Input input = inputOf(message, polled);
    if (input.edge != Edge::None) changed_[input.id] = input.edge == Edge::Press;
}
