#include "HeadlessPlatform.h"

#include <algorithm>
#include <cstring>

#include "ControlImage.h"

void HeadlessPlatform::post(std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    postTo(mainWindowHandle, message, wParam, lParam);
}

void HeadlessPlatform::postTo(NativeHandle target, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    queue.push_back(Message{target, message, wParam, lParam});
}

void HeadlessPlatform::resizeClient(std::int32_t width, std::int32_t height) {
    if (HeadlessWindow* main = window(mainWindowHandle)) main->surface->resize(width, height);
    post(WM_SIZE, SIZE_RESTORED,
         makeLParam(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)));
}

void HeadlessPlatform::click(NativeHandle handle) {
    HeadlessControl* target = control(handle);
    if (target == nullptr) return;
    postTo(target->parent, WM_COMMAND, makeWParam(0, BN_CLICKED), handle);
}

void HeadlessPlatform::scroll(NativeHandle handle, std::uint32_t code, std::uint16_t thumbPosition) {
    HeadlessControl* bar = control(handle);
    if (bar == nullptr) return;
    const std::uint32_t message = bar->vertical ? WM_VSCROLL : WM_HSCROLL;
    postTo(bar->parent, message, makeWParam(static_cast<std::uint16_t>(code), thumbPosition), handle);
}

void HeadlessPlatform::typeText(NativeHandle handle, const std::string& text) {
    HeadlessControl* edit = control(handle);
    if (edit == nullptr) return;
    edit->text = text;
    edit->modified = true;
}

HeadlessControl* HeadlessPlatform::control(NativeHandle handle) {
    auto found = controls.find(handle);
    return found == controls.end() ? nullptr : &found->second;
}

HeadlessWindow* HeadlessPlatform::window(NativeHandle handle) {
    auto found = windows.find(handle);
    return found == windows.end() ? nullptr : &found->second;
}

std::vector<NativeHandle> HeadlessPlatform::liveControls(std::initializer_list<HeadlessControl::Role> roles) const {
    std::vector<NativeHandle> live;
    for (const auto& [handle, state] : controls)
        if (roles.size() == 0 || std::find(roles.begin(), roles.end(), state.role) != roles.end())
            live.push_back(handle);
    return live;
}

Colour HeadlessPlatform::windowPixel(std::int32_t x, std::int32_t y) {
    HeadlessWindow* main = window(mainWindowHandle);
    return main == nullptr ? 0 : main->surface->pixel(x, y);
}

bool HeadlessPlatform::registerClass(const char* className, std::uint32_t, WindowProcedure procedure) {
    if (failRegistration) return false;
    classes[className] = procedure;
    classRegistered = true;
    ++registrations;
    return true;
}

void HeadlessPlatform::unregisterClass(const char* className) {
    classes.erase(className);
    classRegistered = !classes.empty();
}

NativeHandle HeadlessPlatform::createWindow(const char* className, const char* title, std::int32_t x,
                                            std::int32_t y, std::int32_t clientWidth, std::int32_t clientHeight) {
    const NativeHandle handle = nextHandle();
    HeadlessWindow& created = windows[handle];
    created.className = className;
    created.title = title;
    created.x = x;
    created.y = y;
    created.surface = createSurface(clientWidth, clientHeight);
    if (mainWindowHandle == 0) mainWindowHandle = handle;
    return handle;
}

void HeadlessPlatform::destroyWindow(NativeHandle handle) {
    if (HeadlessWindow* target = window(handle)) {
        target->destroyed = true;
        queue.erase(std::remove_if(queue.begin(), queue.end(), [&](const Message& m) { return m.window == handle; }),
                    queue.end());
    } else if (HeadlessControl* target = control(handle)) {
        // The keys go back to the parent, as on Windows.
        if (focus == handle) focus = target->parent;
        // Gone for good: handles are never reused, and the map stays as small as the live set.
        controls.erase(handle);
    }
}

Size HeadlessPlatform::clientSize(NativeHandle handle) {
    HeadlessWindow* target = window(handle);
    if (target == nullptr) return {};
    return {target->surface->width(), target->surface->height()};
}

Surface* HeadlessPlatform::getDC(NativeHandle handle) {
    HeadlessWindow* target = window(handle);
    return target == nullptr ? nullptr : target->surface.get();
}

void HeadlessPlatform::releaseDC(NativeHandle, Surface*) {}

bool HeadlessPlatform::peekMessage(NativeHandle filter, Message& message) {
    auto found = std::find_if(queue.begin(), queue.end(), [&](const Message& m) { return m.window == filter; });
    if (found == queue.end()) return false;
    message = *found;
    queue.erase(found);
    return true;
}

void HeadlessPlatform::dispatchMessage(const Message& message) {
    HeadlessWindow* target = window(message.window);
    if (target == nullptr || target->destroyed) return;
    auto procedure = classes.find(target->className);
    if (procedure != classes.end())
        procedure->second(message.window, message.message, message.wParam, message.lParam);
}

LRESULT HeadlessPlatform::defWindowProc(NativeHandle, std::uint32_t message, WPARAM, LPARAM) {
    defaultHandled.push_back(message);
    return 0;
}

void HeadlessPlatform::beginPaint(NativeHandle) { ++paints; }

void HeadlessPlatform::endPaint(NativeHandle) {}

Point HeadlessPlatform::cursorPosition(NativeHandle) { return cursor; }

void HeadlessPlatform::sleep(std::int32_t milliseconds) { sleptMilliseconds += milliseconds; }

NativeHandle HeadlessPlatform::createSolidBrush(Colour) {
    ++liveBrushes;
    return nextHandle();
}

void HeadlessPlatform::deleteBrush(NativeHandle) { --liveBrushes; }

void HeadlessPlatform::setTransparentBackground(NativeHandle context) { transparentContexts.push_back(context); }

NativeHandle HeadlessPlatform::createPushButton(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                                std::int32_t height, NativeHandle parent) {
    return addControl(HeadlessControl::Role::PushButton, text, x, y, width, height, parent);
}

NativeHandle HeadlessPlatform::createCheckBox(const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                                              std::int32_t height, NativeHandle parent) {
    return addControl(HeadlessControl::Role::CheckBox, text, x, y, width, height, parent);
}

NativeHandle HeadlessPlatform::createScrollBar(bool vertical, std::int32_t x, std::int32_t y, std::int32_t width,
                                               std::int32_t height, NativeHandle parent) {
    const NativeHandle handle = addControl(HeadlessControl::Role::ScrollBar, nullptr, x, y, width, height, parent);
    controls[handle].vertical = vertical;
    return handle;
}

NativeHandle HeadlessPlatform::createEditBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                             NativeHandle parent) {
    return addControl(HeadlessControl::Role::EditBox, nullptr, x, y, width, height, parent);
}

NativeHandle HeadlessPlatform::addControl(HeadlessControl::Role role, const char* text, std::int32_t x,
                                          std::int32_t y, std::int32_t width, std::int32_t height,
                                          NativeHandle parent) {
    const NativeHandle handle = nextHandle();
    HeadlessControl& created = controls[handle];
    created.role = role;
    created.text = text == nullptr ? "" : text;
    created.x = x;
    created.y = y;
    created.width = width;
    created.height = height;
    created.parent = parent;
    return handle;
}

void HeadlessPlatform::setWindowPos(NativeHandle handle, std::int32_t x, std::int32_t y, std::int32_t width,
                                    std::int32_t height, std::uint32_t flags) {
    HeadlessControl* target = control(handle);
    if (target == nullptr) return;
    if ((flags & SWP_NOMOVE) == 0) {
        target->x = x;
        target->y = y;
    }
    if ((flags & SWP_NOSIZE) == 0) {
        target->width = width;
        target->height = height;
    }
}

void HeadlessPlatform::invalidate(NativeHandle handle) {
    if (HeadlessControl* target = control(handle)) ++target->invalidations;
}

void HeadlessPlatform::setFocus(NativeHandle handle) { focus = handle; }

void HeadlessPlatform::setCheckMark(NativeHandle handle, bool checked) {
    if (HeadlessControl* box = control(handle)) box->checkMark = checked ? 1 : 0;
}

bool HeadlessPlatform::editModified(NativeHandle handle) {
    HeadlessControl* edit = control(handle);
    return edit != nullptr && edit->modified;
}

void HeadlessPlatform::clearEditModified(NativeHandle handle) {
    if (HeadlessControl* edit = control(handle)) edit->modified = false;
}

std::int32_t HeadlessPlatform::getEditText(NativeHandle handle, char* buffer, std::int32_t size) {
    if (size <= 0) return 0;
    HeadlessControl* target = control(handle);
    const std::string text = target == nullptr ? "" : target->text;
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<std::int32_t>(count);
}

void HeadlessPlatform::setEditText(NativeHandle handle, const char* text) {
    if (HeadlessControl* target = control(handle)) target->text = text == nullptr ? "" : text;
}

void HeadlessPlatform::setScrollRange(NativeHandle handle, std::int32_t minimum, std::int32_t maximum, bool) {
    HeadlessControl* bar = control(handle);
    if (bar == nullptr) return;
    bar->scrollMin = minimum;
    bar->scrollMax = maximum;
    bar->scrollPos = std::clamp(bar->scrollPos, minimum, std::max(minimum, maximum));
}

void HeadlessPlatform::setScrollPos(NativeHandle handle, std::int32_t position, bool) {
    HeadlessControl* bar = control(handle);
    if (bar != nullptr) bar->scrollPos = std::clamp(position, bar->scrollMin, std::max(bar->scrollMin, bar->scrollMax));
}

std::int32_t HeadlessPlatform::getScrollPos(NativeHandle handle) {
    HeadlessControl* bar = control(handle);
    return bar == nullptr ? 0 : bar->scrollPos;
}

void HeadlessPlatform::copyControlImage(NativeHandle handle, Surface& target, std::int32_t x, std::int32_t y,
                                        std::int32_t width, std::int32_t height) {
    if (HeadlessControl* source = control(handle)) drawControlImage(*source, target, x, y, width, height);
}
