#include "Window.h"

#include <cstdio>

#include "Control.h"
#include "Panel.h"
#include "Platform.h"

Window* currentWindow = nullptr;
std::int32_t windowCount = 0;

void registerWindowClass() {
    if (!platform().registerClass(WINDOW_CLASS_NAME, CS_HREDRAW | CS_VREDRAW | CS_OWNDC, windowProc))
        std::printf("Error: Could not register OpenGL Window class\n");
}

Window::Window(const char* title, std::int32_t x, std::int32_t y, std::int32_t clientWidth,
               std::int32_t clientHeight)
    : handles(std::make_unique<NativeHandles>()) {
    if (++windowCount == 1) registerWindowClass();
    handles->window = platform().createWindow(WINDOW_CLASS_NAME, title, x, y, clientWidth, clientHeight);
    handles->deviceContext = platform().getDC(handles->window);
    const Size client = platform().clientSize(handles->window);
    width = client.width;
    height = client.height;
}

Window::~Window() {
    // Controls destroy their native windows while the main window still exists.
    for (Panel* panel : panels) delete panel;
    if (!closed) {
        platform().releaseDC(handles->window, handles->deviceContext);
        platform().destroyWindow(handles->window);
    }
    if (--windowCount == 0) platform().unregisterClass(WINDOW_CLASS_NAME);
}

void Window::update() {
    if (closed) return;
    const Point cursor = platform().cursorPosition(handles->window);
    mouse.x = cursor.x;
    mouse.y = cursor.y;
    mouse.wheel = 0;
    Message message;
    while (platform().peekMessage(handles->window, message)) {
        currentWindow = this;
        platform().dispatchMessage(message);
        currentWindow = nullptr;
    }
    // After the close message the native window is gone: nothing left to draw to. A zero
    // size lays nothing out: the scene keeps its last layout (Wine minimises with a zero size
    // but no minimised flag, and every point would clamp into the panel's corner).
    if (active && !closed && width != 0 && height != 0) updatePanels();
}

void Window::updatePanels() {
    for (Panel* panel : panels) panel->update();
}

void Window::repaintPanels() {
    for (Panel* panel : panels) panel->repaint();
}

Panel* Window::createPanel(std::int32_t panelWidth, std::int32_t panelHeight) {
    Panel* panel = new Panel(this, panelWidth, panelHeight);
    panels.push_back(panel);
    return panel;
}

Surface* Window::deviceContext() const { return closed ? nullptr : handles->deviceContext; }

NativeHandle Window::nativeHandle() const { return handles->window; }

void Window::setButton(std::uint32_t bit, bool down) {
    if (down)
        mouse.buttons |= bit;
    else
        mouse.buttons &= ~bit;
}

void Window::setKey(WPARAM code, std::uint8_t down) {
    // Codes beyond the table would write past it.
    if (code < 256) keys[code] = down;
}

LRESULT Window::handleMessage(NativeHandle hwnd, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    const auto extraBit = [&] { return highWord(wParam) == 1 ? MOUSE_EXTRA1 : MOUSE_EXTRA2; };
    switch (message) {
    case WM_SIZE:
        width = lowWord(static_cast<std::uintptr_t>(lParam));
        height = highWord(static_cast<std::uintptr_t>(lParam));
        if (width != 0 && height != 0) updatePanels();
        return 0;
    case WM_ACTIVATE: active = highWord(wParam) == 0; return 0;
    case WM_PAINT:
        platform().beginPaint(hwnd);
        repaintPanels();
        platform().endPaint(hwnd);
        return 0;
    case WM_CLOSE:
        platform().releaseDC(handles->window, handles->deviceContext);
        platform().destroyWindow(handles->window);
        closed = true;
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: setKey(wParam, 1); return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP: setKey(wParam, 0); return 0;
    case WM_LBUTTONDOWN: setButton(MOUSE_LEFT, true); return 0;
    case WM_LBUTTONUP: setButton(MOUSE_LEFT, false); return 0;
    case WM_RBUTTONDOWN: setButton(MOUSE_RIGHT, true); return 0;
    case WM_RBUTTONUP: setButton(MOUSE_RIGHT, false); return 0;
    case WM_MBUTTONDOWN: setButton(MOUSE_MIDDLE, true); return 0;
    case WM_MBUTTONUP: setButton(MOUSE_MIDDLE, false); return 0;
    case WM_MOUSEWHEEL: mouse.wheel = static_cast<std::int16_t>(highWord(wParam)) / 120; return 0;
    case WM_XBUTTONDOWN: setButton(extraBit(), true); return 0;
    case WM_XBUTTONUP: setButton(extraBit(), false); return 0;
    default: return platform().defWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT windowProc(NativeHandle hwnd, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (currentWindow == nullptr) return platform().defWindowProc(hwnd, message, wParam, lParam);
    const LRESULT answer = dispatchToControls(message, wParam, lParam);
    if (answer == 1) return 0;
    if (answer != 0) return answer;
    return currentWindow->handleMessage(hwnd, message, wParam, lParam);
}

LRESULT dispatchToControls(std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    const std::vector<Panel*>& panels = currentWindow->panels;
    const std::size_t panelCount = panels.size();
    for (std::size_t p = 0; p < panelCount; ++p) {
        // A control's action may remove controls: read the length afresh each step.
        const std::vector<Control*>& controls = panels[p]->controls;
        for (std::size_t c = 0; c < controls.size(); ++c) {
            const LRESULT answer = controls[c]->handleMessage(message, wParam, lParam);
            if (answer != 0) return answer;
        }
    }
    return 0;
}

void runMainLoop(Window& window) {
    while (!window.closed) {
        window.update();
        platform().sleep(10);
        if (window.keys[VK_ESCAPE] != 0) break;
    }
}
