#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "Messages.h"
#include "MouseState.h"

class Panel;
class Surface;

constexpr const char* WINDOW_CLASS_NAME = "Tessary A1";

// The program's one top-level window: raw input state, the message pump and the
// top-level panels, which it deletes when it is destroyed.
class Window {
public:
    Window(const char* title, std::int32_t x, std::int32_t y, std::int32_t clientWidth, std::int32_t clientHeight);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void update();
    void updatePanels();
    void repaintPanels();
    Panel* createPanel(std::int32_t panelWidth, std::int32_t panelHeight);
    Surface* deviceContext() const;
    NativeHandle nativeHandle() const;

    // The window procedure's handling of a message no control took.
    LRESULT handleMessage(NativeHandle hwnd, std::uint32_t message, WPARAM wParam, LPARAM lParam);

    bool closed = false;
    bool active = true;
    std::int32_t width = 0, height = 0;
    MouseState mouse;
    std::uint8_t keys[256] = {};
    std::vector<Panel*> panels;

private:
    struct NativeHandles {
        NativeHandle window = 0;
        Surface* deviceContext = nullptr;
    };
    void setButton(std::uint32_t bit, bool down);
    void setKey(WPARAM code, std::uint8_t down);

    std::unique_ptr<NativeHandles> handles;
};

extern Window* currentWindow;
extern std::int32_t windowCount;

LRESULT windowProc(NativeHandle hwnd, std::uint32_t message, WPARAM wParam, LPARAM lParam);
LRESULT dispatchToControls(std::uint32_t message, WPARAM wParam, LPARAM lParam);
void registerWindowClass();

// The main loop: frames with a 10 ms sleep until the window closes or Escape is down.
void runMainLoop(Window& window);
