#include "WebPlatform.h"

#include <emscripten.h>

#include <algorithm>

bool WebPlatform::registerClass(const char* className, std::uint32_t, WindowProcedure procedure) {
    classes_[className] = procedure;
    return true;
}

void WebPlatform::unregisterClass(const char* className) { classes_.erase(className); }

// The page's viewport is the client area: the requested size and place are the browser's to give.
NativeHandle WebPlatform::createWindow(const char* className, const char* title, std::int32_t, std::int32_t,
                                       std::int32_t, std::int32_t) {
    if (page_ != nullptr) return 0;
    page_ = std::make_unique<WebPage>(title);
    window_ = nextHandle();
    windowClass_ = className;
    return window_;
}

void WebPlatform::destroyWindow(NativeHandle window) {
    if (!isWindow(window)) {
        if (controls_.destroy(window)) setFocus(window_);
        return;
    }
    page_->present();
    page_->end();
    window_ = 0;
    queue_.clear();
}

Size WebPlatform::clientSize(NativeHandle window) {
    if (!isWindow(window)) return {};
    return {page_->surface().width(), page_->surface().height()};
}

Surface* WebPlatform::getDC(NativeHandle window) { return isWindow(window) ? &page_->surface() : nullptr; }

void WebPlatform::releaseDC(NativeHandle, Surface*) {}

bool WebPlatform::peekMessage(NativeHandle filter, Message& message) {
    if (!pumpedThisFrame_) pumpEvents();
    auto found = std::find_if(queue_.begin(), queue_.end(),
                              [&](const Message& m) { return filter == 0 || m.window == filter; });
    if (found == queue_.end() || pacer_.holdsBack(*found, window_)) return false;
    message = *found;
    queue_.erase(found);
    pacer_.handedOut(message, window_);
    return true;
}

void WebPlatform::pumpEvents() {
    pumpedThisFrame_ = true;
    if (window_ == 0) return;
    Message message;
    while (page_->takeMessage(message)) {
        message.window = window_;
        if (message.message == WM_SIZE && message.wParam == SIZE_RESTORED)
            page_->resize({lowWord(static_cast<std::uintptr_t>(message.lParam)),
                           highWord(static_cast<std::uintptr_t>(message.lParam))});
        queue_.push_back(message);
    }
}

void WebPlatform::dispatchMessage(const Message& message) {
    if (!isWindow(message.window)) return;
    auto procedure = classes_.find(windowClass_);
    if (procedure != classes_.end()) procedure->second(message.window, message.message, message.wParam, message.lParam);
}

LRESULT WebPlatform::defWindowProc(NativeHandle, std::uint32_t, WPARAM, LPARAM) { return 0; }

// The surface keeps the window's pixels, so painting needs no preparation.
void WebPlatform::beginPaint(NativeHandle) {}

void WebPlatform::endPaint(NativeHandle) {}

// Where the pointer was at the first button message still queued, so that a press is seen
// where it happened even when the pointer moved on before the frame; otherwise where it is.
Point WebPlatform::cursorPosition(NativeHandle window) {
    if (!isWindow(window)) return {};
    if (!pumpedThisFrame_) pumpEvents();
    auto press = std::find_if(queue_.begin(), queue_.end(), [](const Message& m) {
        return m.message >= WM_LBUTTONDOWN && m.message <= WM_XBUTTONUP && m.message != WM_MOUSEWHEEL;
    });
    if (press == queue_.end()) return page_->pointer();
    const auto packed = static_cast<std::uintptr_t>(press->lParam);
    return {static_cast<std::int16_t>(lowWord(packed)), static_cast<std::int16_t>(highWord(packed))};
}

// Shows the frame just drawn and gives the browser its turn: the page's events queue up for
// the next frame, and a hidden page's timers slow down, so a minimised program costs nothing.
void WebPlatform::sleep(std::int32_t milliseconds) {
    if (window_ != 0) page_->present();
    emscripten_sleep(static_cast<unsigned>(std::max(milliseconds, 0)));
    pumpedThisFrame_ = false;
    pacer_.startFrame();
}

NativeHandle WebPlatform::createSolidBrush(Colour) { return nextHandle(); }

// A check box's background is the page's: transparent over the canvas. A brush is only a token.
void WebPlatform::deleteBrush(NativeHandle) {}

// The check box's label stands on the canvas already.
void WebPlatform::setTransparentBackground(NativeHandle) {}

NativeHandle WebPlatform::createPushButton(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                           std::int32_t height, NativeHandle parent) {
    return addControl(WebControls::Role::PushButton, text, false, x, y, width, height, parent);
}

NativeHandle WebPlatform::createCheckBox(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                         std::int32_t height, NativeHandle parent) {
    return addControl(WebControls::Role::CheckBox, text, false, x, y, width, height, parent);
}

NativeHandle WebPlatform::createScrollBar(bool vertical, std::int32_t x, std::int32_t y, std::int32_t width,
                                          std::int32_t height, NativeHandle parent) {
    return addControl(WebControls::Role::ScrollBar, nullptr, vertical, x, y, width, height, parent);
}

NativeHandle WebPlatform::createEditBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                        NativeHandle parent) {
    return addControl(WebControls::Role::EditBox, nullptr, false, x, y, width, height, parent);
}

NativeHandle WebPlatform::addControl(WebControls::Role role, const char* text, bool vertical, std::int32_t x,
                                     std::int32_t y, std::int32_t width, std::int32_t height, NativeHandle parent) {
    if (!isWindow(parent)) return 0;
    const NativeHandle handle = nextHandle();
    controls_.create(handle, role, text, vertical);
    controls_.place(handle, x, y, width, height, 0);
    return handle;
}

void WebPlatform::setWindowPos(NativeHandle control, std::int32_t x, std::int32_t y, std::int32_t width,
                               std::int32_t height, std::uint32_t flags) {
    controls_.place(control, x, y, width, height, flags);
}

// The browser redraws its elements itself.
void WebPlatform::invalidate(NativeHandle) {}

void WebPlatform::setFocus(NativeHandle window) {
    if (isWindow(window))
        page_->focus();
    else
        controls_.focus(window);
}

void WebPlatform::setCheckMark(NativeHandle checkBox, bool checked) { controls_.setCheckMark(checkBox, checked); }

bool WebPlatform::editModified(NativeHandle edit) { return controls_.editModified(edit); }

void WebPlatform::clearEditModified(NativeHandle edit) { controls_.clearEditModified(edit); }

std::int32_t WebPlatform::getEditText(NativeHandle edit, char* buffer, std::int32_t size) {
    return controls_.editText(edit, buffer, size);
}

void WebPlatform::setEditText(NativeHandle edit, const char* text) { controls_.setEditText(edit, text); }

// The browser redraws its elements itself, so the redraw flags change nothing here.
void WebPlatform::setScrollRange(NativeHandle control, std::int32_t minimum, std::int32_t maximum, bool) {
    controls_.setScrollRange(control, minimum, maximum);
}

void WebPlatform::setScrollPos(NativeHandle control, std::int32_t position, bool) {
    controls_.setScrollPosition(control, position);
}

std::int32_t WebPlatform::getScrollPos(NativeHandle control) { return controls_.scrollPosition(control); }

// The elements lie over the canvas, so no panel needs their pixels.
void WebPlatform::copyControlImage(NativeHandle, Surface&, std::int32_t, std::int32_t, std::int32_t,
                                   std::int32_t) {}
